#include "theory/randomtheory.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "forms/runtime.h"
#include "platform/textfile.h"
#include "theory/moduledrill.h"

namespace theory {

RandomTheoryWindow::RandomTheoryWindow() : common::PlaceholderForm(kName, "强化训练_基础知识") {}

void RandomTheoryWindow::onLoad()
{
    common::readLineInto(学号, common::kIdentityFile, 1);
    setCaption(common::userInfoCaption(QStringLiteral("强化训练_基础知识"), 学号));
}

void RandomTheoryWindow::onUnload(bool&)
{
    const bool fromMain = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("强化训练");
    forms::show(fromMain ? common::kMainWindowName : QString::fromUtf8(ModuleDrillWindow::kName));
}

}  // namespace theory
