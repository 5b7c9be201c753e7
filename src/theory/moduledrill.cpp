#include "theory/moduledrill.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "platform/textfile.h"

namespace theory {

ModuleDrillWindow::ModuleDrillWindow() : common::PlaceholderForm(kName, "知识点_基础知识") {}

void ModuleDrillWindow::onLoad()
{
    setOuterSizeTw(15435, 11520);
    common::readLineInto(学号, common::kIdentityFile, 1);
    common::readLineInto(单体与否, common::kLaunchModeFile, 1);
    setCaption(common::userInfoCaption(QStringLiteral("知识点_基础知识"), 学号));
}

void ModuleDrillWindow::onUnload(bool&) { common::returnToMainOrEnd(单体与否); }

}  // namespace theory
