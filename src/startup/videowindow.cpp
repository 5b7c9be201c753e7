#include "startup/videowindow.h"

#include "common/handover.h"
#include "platform/desktop.h"
#include "platform/msgbox.h"
#include "platform/textfile.h"

#include <QUrl>

namespace startup {
namespace {

const forms::WindowSpec kSpec{VideoWindow::kName, "Form1", 19200, 10800,
                              forms::FixedSingle | forms::CenterScreen | forms::Topmost};

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

void VideoWindow::onLoad()
{
    setOuterHeightTw(10800);
    setOuterWidthTw(19200);
    QString key;
    if (auto l = uReadTextLine(common::kIdentityFile, 1)) 学号 = key = *l;
    if (auto l = uReadTextLine(common::kVideoRequest, 1))
        setCaption(QStringLiteral("视频操作_") + *l + QStringLiteral("【") + key + QStringLiteral("】"));
    const QString address = videoPageAddress();
    forms::setCaption(ctl(QStringLiteral("浏览器")),
                      QStringLiteral("\r\n\r\n操作视频在网页浏览器中播放：\r\n\r\n") + address);
    if (!plat::openInBrowser(QUrl(address)))
        uMsgOk(QStringLiteral("无法打开网页浏览器，请在浏览器中输入窗口中显示的网址观看操作视频。"), this);
}

}  // namespace startup
