// Stand-in for the mail client (Foxmail.exe): a small window of its own, as
// the real desktop program has, that the student closes to end it. Closing
// the window (or losing the display) ends the program, so that a mail client
// started for an exercise never keeps running unseen and blocks the restore.
// It also ends on SIGTERM, SIGINT or SIGHUP. Without a display it cannot show
// a window and runs until it is stopped. Its process name is its file name,
// which is all the platform looks at.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

namespace {

void stop(int) { _exit(0); }

// The title bar says what the window is and how to end it (UTF-8; plain
// "Foxmail" for window managers that read only the old title).
constexpr const char kTitle[] = "Foxmail 邮件管理器（练习用，关闭本窗口即退出）";
constexpr const char kAsciiTitle[] = "Foxmail";

void setUtf8Property(Display* dpy, Window w, const char* name, const char* text)
{
    XChangeProperty(dpy, w, XInternAtom(dpy, name, False), XInternAtom(dpy, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text), static_cast<int>(std::strlen(text)));
}

int runWindow(Display* dpy)
{
    const int screen = DefaultScreen(dpy);
    const unsigned width = 420, height = 120;
    const int left = (DisplayWidth(dpy, screen) - static_cast<int>(width)) / 2;
    const int top = (DisplayHeight(dpy, screen) - static_cast<int>(height)) / 2;
    const Window w = XCreateSimpleWindow(dpy, RootWindow(dpy, screen), left, top, width, height, 1,
                                         BlackPixel(dpy, screen), WhitePixel(dpy, screen));
    char res[] = "foxmail";
    char cls[] = "Foxmail";
    XClassHint hint{res, cls};
    XSetClassHint(dpy, w, &hint);
    XStoreName(dpy, w, kAsciiTitle);
    setUtf8Property(dpy, w, "_NET_WM_NAME", kTitle);
    XSizeHints size{};
    size.flags = PPosition | PSize;
    size.x = left;
    size.y = top;
    size.width = static_cast<int>(width);
    size.height = static_cast<int>(height);
    XSetWMNormalHints(dpy, w, &size);
    Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(dpy, w, &deleteWindow, 1);
    XSelectInput(dpy, w, StructureNotifyMask);
    XMapRaised(dpy, w);
    XFlush(dpy);
    // A lost display ends the program through Xlib's own I/O error exit.
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        switch (e.type) {
        case ClientMessage:
            if (static_cast<Atom>(e.xclient.data.l[0]) == deleteWindow) {
                XDestroyWindow(dpy, w);
                XCloseDisplay(dpy);
                return 0;
            }
            break;
        case DestroyNotify:
            if (e.xdestroywindow.window == w) return 0;
            break;
        default: break;
        }
    }
}

}  // namespace

int main()
{
    struct sigaction sa {};
    sa.sa_handler = stop;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
    if (Display* dpy = XOpenDisplay(nullptr)) return runWindow(dpy);
    for (;;) pause();
}
