#include "startup/videowindow.h"

#include "common/handover.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"
#include "startup/messages.h"

#include <QEvent>
#include <algorithm>
#include <QLabel>
#include <QScreen>
#include <QUrl>

namespace startup {
namespace {

const forms::WindowSpec kVideoSpec{VideoWindow::kName, "Form1", 0, 0, forms::FixedSingle | forms::CenterScreen};

constexpr int kWidthTw = 19200;
constexpr int kHeightTw = 10800;

const forms::Control kVideoDesign[] = {
    {.name = "浏览器", .kind = forms::Kind::Label, .left = 0, .top = 120, .width = 19160, .height = 10860,
     .flags = forms::Centered | forms::WordWrap | forms::WhiteBack, .font = {"微软雅黑", 12}},
};

}  // namespace

QString videoPageAddress()
{
    return QStringLiteral("http://video.corvanth.example/skills/resource/play.do?key=2016001");
}

QSize videoWindowSizeTw(const QRect& availablePx)
{
    if (availablePx.isEmpty()) return {kWidthTw, kHeightTw};
    return {std::min(kWidthTw, forms::toTw(availablePx.width())), std::min(kHeightTw, forms::toTw(availablePx.height()))};
}

VideoWindow::VideoWindow() : forms::Form(kVideoSpec, kVideoDesign) {}

void VideoWindow::onLoad()
{
    setTopmost(true);
    const QScreen* s = screen();
    const QSize size = videoWindowSizeTw(s ? s->availableGeometry() : QRect());
    setOuterSizeTw(size.width(), size.height());
    QString key;
    if (auto l = uReadTextLine(common::kIdentityFile, 1)) state.studentKey = key = *l;
    if (auto l = uReadTextLine(common::kVideoRequest, 1))
        setCaption(QStringLiteral("视频操作_") + *l + QStringLiteral("【") + key + QStringLiteral("】"));
    const QString address = videoPageAddress();
    auto* label = ctl<QLabel>(QStringLiteral("浏览器"));
    forms::setCaption(label, QStringLiteral("操作视频在网页浏览器中播放：\r\n\r\n") + address);
    label->setGeometry(rect());
    label->setAlignment(Qt::AlignCenter);
    state.browserStarted = plat::openInBrowser(QUrl(address));
    if (!state.browserStarted)
        msgOk(msg::kBrowserNotStarted, this);
}

void VideoWindow::changeEvent(QEvent* e)
{
    forms::Form::changeEvent(e);
    // Shown and active for the first time: the browser page, starting now,
    // may come in front of it.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && state.browserStarted) {
        state.browserStarted = false;
        yieldTopmostUntilActive();
    }
}

}  // namespace startup
