#include "practice/advancedexercise.h"

#include "common/handover.h"
#include "platform/textfile.h"

namespace practice {

AdvancedExerciseWindow::AdvancedExerciseWindow() : common::PlaceholderForm(kName, "高级应用练习") {}

void AdvancedExerciseWindow::onLoad()
{
    setTopmost(true);
    common::readLineInto(学号, common::kIdentityFile, 1);
    common::readLineInto(练习种类, common::kAdvancedRequest, 1);
    common::readLineInto(题号, common::kAdvancedRequest, 2);
    common::readLineInto(扩展名, common::kAdvancedRequest, 3);
    setOuterSizeTw(8715, 3780);
    const QString title = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("拓展训练")
                              ? QStringLiteral("拓展训练_") + 练习种类 + QStringLiteral("__") + 题号
                              : QStringLiteral("高级应用练习（") + 练习种类 + QStringLiteral("）_") + 题号;
    setCaption(common::userInfoCaption(title, 学号));
}

}  // namespace practice
