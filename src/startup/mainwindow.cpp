#include "startup/mainwindow.h"

#include "common/handover.h"
#include "common/navigation.h"
#include "forms/controls.h"
#include "platform/msgbox.h"
#include "platform/result.h"
#include "startup/mainwindow_design.h"
#include "startup/messages.h"

#include <initializer_list>

namespace startup {

// The area openers: each opens its row once and for good. The 拓展训练 row
// also shows its subject and number frames; its subject buttons only serve
// as captions and are greyed as they appear.
struct AreaOpener {
    const char* button;
    const char* introFrame;
    const char* areaFrame;
    const char* marker;  // call marker written ("" for none)
    bool writesTaskMode = false;
    std::initializer_list<const char*> alsoShown = {};
    std::initializer_list<const char*> greyed = {};
};

namespace {
const forms::WindowSpec kMainSpec{MainWindow::kName, "Corvanth实训平台"};

const AreaOpener kAreaOpeners[] = {
    {"Command6", "知识点简介区", "知识点区", "知识点"},
    {"Command2", "任务项目简介区", "任务项目区", "", true},
    {"Command10", "强化训练简介区", "强化训练区", "强化训练"},
    {"Command11", "拓展训练简介区", "拓展训练区", "拓展训练", false,
     {"拓展word题干区", "拓展excel题干区", "拓展ppt题干区", "拓展word序号区", "拓展excel序号区", "拓展ppt序号区"},
     {"拓word", "拓excel", "拓ppt"}},
    {"Command33", "模拟测试简介区", "模拟测试区", "模拟训练"},
};
}  // namespace

MainWindow::MainWindow() : forms::Form(kMainSpec, kMainWindowDesignSpan)
{
    for (const AreaOpener& a : kAreaOpeners) onClick(QString::fromUtf8(a.button), [this, &a] { openArea(a); });
    connectOpeners();
    connectChangeUser();
}

void MainWindow::onLoad()
{
    forms::setCaption(ctl("大标题"),
                      QStringLiteral("《Corvanth》实训平台\r\n（基础理论 + Windows + MS Office + 网络基础）"));
    setOuterSizeTw(12465, 9210);
    common::readLineInto(state.studentKey, common::kIdentityFile, 1);
    if (auto l = uReadTextLine(common::kIdentityFile, 2))
        forms::setCaption(ctl("学号内容"), QStringLiteral("【学号：") + common::shownPart(*l) + QStringLiteral("】"));
    if (auto l = uReadTextLine(common::kIdentityFile, 3))
        forms::setCaption(ctl("姓名内容"), QStringLiteral("【姓名：") + common::shownPart(*l) + QStringLiteral("】"));
    layoutIdentityBox();
    if (const QString problem = common::handOverProblem(common::kIdentityFile); !problem.isEmpty())
        msgOk(msg::identityUnusable(problem), this);
}

void MainWindow::layoutIdentityBox()
{
    QWidget* number = ctl("学号内容");
    QWidget* name = ctl("姓名内容");
    const int numberRight = forms::leftTw(number) + forms::widthTw(number);
    forms::moveTw(name, numberRight + 120, forms::topTw(name));
    auto* sep = ctl<forms::LineControl>("用户信息框竖线");
    sep->setPoints(numberRight + 60, sep->y1(), numberRight + 60, sep->y2());
    auto* under = ctl<forms::LineControl>("用户信息框横线");
    under->setX2(forms::leftTw(name) + forms::widthTw(name));
}

void MainWindow::openArea(const AreaOpener& a)
{
    // The windows of the area read these back: unwritten, the area stays closed.
    if (a.writesTaskMode && !common::writeRequest(common::kTaskModeFile, {QString()}, this)) return;
    if (*a.marker && !common::writeRequest(common::kCallMarkerFile, {QString::fromUtf8(a.marker)}, this)) return;
    ctl(a.button)->setEnabled(false);
    ctl(a.introFrame)->hide();
    ctl(a.areaFrame)->show();
    for (const char* name : a.alsoShown) ctl(name)->show();
    for (const char* name : a.greyed) ctl(name)->setEnabled(false);
}

}  // namespace startup
