#include "practice/randompractice.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform/textfile.h"

namespace practice {

RandomPracticeWindow::RandomPracticeWindow() : common::PlaceholderForm(kName, "知识点随机练习") {}

void RandomPracticeWindow::onLoad()
{
    setTopmost(true);
    setOuterSizeTw(8700, 3660);
    common::readLineInto(学号, common::kIdentityFile, 2);
    common::readLineInto(单体与否, common::kLaunchModeFile, 1);
    markerAtLoad = uReadLastLine(common::kCallMarkerFile);
    common::readLineInto(练习种类, common::kRandomPracticeRequest, 1);
    common::readLineInto(扩展名, common::kRandomPracticeRequest, 2);
    if (markerAtLoad == QStringLiteral("强化训练"))
        setCaption(common::userInfoCaption(QStringLiteral("强化训练_") + 练习种类, 学号));
}

void RandomPracticeWindow::onUnload(bool&)
{
    if (单体与否 != QStringLiteral("more")) {
        forms::endProgram();
        return;
    }
    if (uReadLastLine(common::kCallMarkerFile) == QStringLiteral("强化训练")) {
        forms::show(common::kMainWindowName);
        return;
    }
    // Back to the mind-map menu of the kind; a kind that names no menu (a
    // damaged request) returns to the main window instead of ending.
    const QString menu = 练习种类 + QStringLiteral("知识点窗格");
    forms::show(forms::isRegistered(menu) ? menu : common::kMainWindowName);
}

}  // namespace practice
