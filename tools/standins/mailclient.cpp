// Stand-in for the mail client (Foxmail.exe): a small window of its own, as
// the real desktop program has, that says what it is and how to end it.
// Closing the window (or losing the display) ends the program, so that a
// mail client started for an exercise never keeps running unseen and blocks
// the restore. It also ends on SIGTERM, SIGINT or SIGHUP. Without a display
// it cannot show a window and runs until it is stopped. Its process name is
// its file name, which is all the platform looks at.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
#include <initializer_list>
#include <unistd.h>

namespace {

void stop(int) { _exit(0); }

// The title bar and the window say what it is and how to end it.
const char* const kTitle = "Foxmail 邮件管理器（练习用，关闭本窗口即退出）";
const char* const kText = "邮件管理器（练习用）\n\n"
                          "这是练习用的邮件程序，不收发真实邮件。\n"
                          "点击“关闭”或窗口右上角的关闭按钮即可退出。";

bool displayReachable()
{
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return false;
    XCloseDisplay(dpy);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    struct sigaction sa {};
    sa.sa_handler = stop;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
    if (!displayReachable())
        for (;;) pause();
    // A window on the X display whatever platform the starting program was
    // told to use (the tests run their windows off-screen). Qt's X platform
    // ends the program when the connection to the display breaks.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(kTitle));
    auto* text = new QLabel(QString::fromUtf8(kText), &window);
    text->setAlignment(Qt::AlignCenter);
    QFont big = text->font();
    big.setPointSize(12);
    text->setFont(big);
    auto* close = new QPushButton(QString::fromUtf8("关闭"), &window);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    window.resize(460, 180);
    window.show();
    return app.exec();  // ends when the last window closes
}
