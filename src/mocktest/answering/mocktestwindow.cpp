#include "mocktest/answering/mocktestwindow.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "platform/textfile.h"

namespace mocktest {
namespace {
// Height of the level-selection frame 测试级别选择区, the window's first view.
constexpr int kLevelFrameHeight = 1575;
}  // namespace

MockTestWindow::MockTestWindow() : common::PlaceholderForm(kName, "模拟测试_模块选择") {}

void MockTestWindow::onLoad()
{
    setOuterSizeTw(9830, kLevelFrameHeight + 530);
    common::readLineInto(学号, common::kIdentityFile, 1);
    common::readLineInto(单体与否, common::kLaunchModeFile, 1);
    setCaption(common::userInfoCaption(QStringLiteral("模拟测试_模块选择"), 学号));
}

void MockTestWindow::onUnload(bool&) { common::returnToMainOrEnd(单体与否); }

}  // namespace mocktest
