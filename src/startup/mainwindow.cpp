#include "startup/mainwindow.h"

#include "common/handover.h"
#include "forms/controls.h"
#include "startup/mainwindow_design.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace startup {

namespace {
const forms::WindowSpec kSpec{MainWindow::kName, "Corvanth实训平台"};

// The area openers: each opens its row once and for good.
struct AreaOpener {
    const char* button;
    const char* introFrame;
    const char* areaFrame;
    const char* marker;  // call marker written ("" for none)
};
constexpr AreaOpener kAreaOpeners[] = {
    {"Command6", "知识点简介区", "知识点区", "知识点"},
    {"Command2", "任务项目简介区", "任务项目区", ""},
    {"Command10", "强化训练简介区", "强化训练区", "强化训练"},
    {"Command11", "拓展训练简介区", "拓展训练区", "拓展训练"},
    {"Command33", "模拟测试简介区", "模拟测试区", "模拟训练"},
};
}  // namespace

MainWindow::MainWindow() : forms::Form(kSpec, kMainWindowDesignSpan)
{
    for (const AreaOpener& a : kAreaOpeners) {
        const QString name = QString::fromUtf8(a.button);
        onClick(name, [this, name] { openArea(name); });
    }
    connectOpeners();
    connectChangeUser();
}

void MainWindow::onLoad()
{
    forms::setCaption(ctl("大标题"),
                      QStringLiteral("《Corvanth》实训平台\r\n（基础理论 + Windows + MS Office + 网络基础）"));
    setOuterSizeTw(12465, 9210);
    if (auto l = uReadTextLine(common::kIdentityFile, 1)) 学号 = *l;
    if (auto l = uReadTextLine(common::kIdentityFile, 2))
        forms::setCaption(ctl("学号内容"), QStringLiteral("【学号：") + *l + QStringLiteral("】"));
    if (auto l = uReadTextLine(common::kIdentityFile, 3))
        forms::setCaption(ctl("姓名内容"), QStringLiteral("【姓名：") + *l + QStringLiteral("】"));
    layoutIdentityBox();
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

void MainWindow::openArea(const QString& opener)
{
    for (const AreaOpener& a : kAreaOpeners) {
        if (opener != QString::fromUtf8(a.button)) continue;
        if (opener == QStringLiteral("Command2")) uWriteTextFile(common::kTaskModeFile, QString());
        ctl(opener)->setEnabled(false);
        if (opener == QStringLiteral("Command11")) {
            ctl(a.areaFrame)->show();
            ctl(a.introFrame)->hide();
            for (const char* subject : {"word", "excel", "ppt"}) {
                const QString s = QString::fromUtf8(subject);
                ctl(QStringLiteral("拓展%1题干区").arg(s))->show();
            }
            for (const char* subject : {"word", "excel", "ppt"}) {
                const QString s = QString::fromUtf8(subject);
                ctl(QStringLiteral("拓展%1序号区").arg(s))->show();
                ctl(QStringLiteral("拓%1").arg(s))->setEnabled(false);
            }
        } else if (opener == QStringLiteral("Command33")) {
            ctl(a.areaFrame)->show();
            ctl(a.introFrame)->hide();
        } else {
            ctl(a.introFrame)->hide();
            ctl(a.areaFrame)->show();
        }
        if (*a.marker) uWriteTextFile(common::kCallMarkerFile, QString::fromUtf8(a.marker));
        return;
    }
}

void MainWindow::onUnload(bool& cancel) { unloadEvent(cancel); }

}  // namespace startup
