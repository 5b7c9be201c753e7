#include "startup/videowindow.h"

#include "common/handover.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"

#include <QLabel>
#include <QUrl>

namespace startup {
namespace {

// An ordinary window (not on top): the video plays in the browser, which the
// window must never cover; it is only as large as the address it shows.
const forms::WindowSpec kSpec{VideoWindow::kName, "Form1", 0, 0, forms::FixedSingle | forms::CenterScreen};

// Room around the text, in pixels.
constexpr int kMargin = 24;
constexpr int kMaxTextWidth = 720;

const forms::Control kDesign[] = {
    {.name = "浏览器", .kind = forms::Kind::Label, .left = 0, .top = 120, .width = 19160, .height = 10860,
     .flags = forms::Centered | forms::WordWrap | forms::WhiteBack, .font = {"微软雅黑", 12}},
};

}  // namespace

QString videoPageAddress()
{
    return QStringLiteral("http://video.corvanth.example/skills/resource/play.do?key=2016001");
}

VideoWindow::VideoWindow() : forms::Form(kSpec, kDesign) {}

void VideoWindow::fitTo(QLabel* label)
{
    const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 0), Qt::AlignCenter | Qt::TextWordWrap,
                                                         label->text());
    label->setGeometry(0, 0, text.width() + 2 * kMargin, text.height() + 2 * kMargin);
    setFixedSize(label->size());
}

void VideoWindow::onLoad()
{
    QString key;
    if (auto l = uReadTextLine(common::kIdentityFile, 1)) 学号 = key = *l;
    if (auto l = uReadTextLine(common::kVideoRequest, 1))
        setCaption(QStringLiteral("视频操作_") + *l + QStringLiteral("【") + key + QStringLiteral("】"));
    const QString address = videoPageAddress();
    auto* label = ctl<QLabel>(QStringLiteral("浏览器"));
    forms::setCaption(label, QStringLiteral("操作视频在网页浏览器中播放：\r\n\r\n") + address);
    fitTo(label);
    if (!plat::openInBrowser(QUrl(address)))
        uMsgOk(QStringLiteral("无法打开网页浏览器，请在浏览器中输入窗口中显示的网址观看操作视频。"), this);
}

}  // namespace startup
