#include "platform/filemanager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

namespace plat {
namespace {

// A window may go away while it is being read; its errors are not ours.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

class XSession {
public:
    XSession() : dpy_(XOpenDisplay(nullptr))
    {
        if (dpy_) previous_ = XSetErrorHandler(ignoreXError);
    }
    ~XSession()
    {
        if (!dpy_) return;
        XSync(dpy_, False);
        XSetErrorHandler(previous_);
        XCloseDisplay(dpy_);
    }
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    Display* display() const { return dpy_; }

private:
    Display* dpy_;
    XErrorHandler previous_ = nullptr;
};

// The EWMH client list; empty when the window manager keeps none.
std::vector<Window> clientList(Display* dpy, Window root)
{
    std::vector<Window> out;
    const Atom prop = XInternAtom(dpy, "_NET_CLIENT_LIST", True);
    if (prop == None) return out;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, root, prop, 0, 1L << 16, False, XA_WINDOW, &type, &format, &count, &after, &data) ==
            Success &&
        data && format == 32) {
        const auto* w = reinterpret_cast<const unsigned long*>(data);
        out.assign(w, w + count);
    }
    if (data) XFree(data);
    return out;
}

std::vector<Window> topLevelWindows(Display* dpy, Window root)
{
    std::vector<Window> out;
    Window r = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (XQueryTree(dpy, root, &r, &parent, &children, &n) && children) out.assign(children, children + n);
    if (children) XFree(children);
    return out;
}

bool isFileManager(Display* dpy, Window w)
{
    XClassHint hint{nullptr, nullptr};
    if (!XGetClassHint(dpy, w, &hint)) return false;
    const QStringList known = fileManagerClasses();
    const bool yes = (hint.res_name && known.contains(QString::fromUtf8(hint.res_name).toLower())) ||
                     (hint.res_class && known.contains(QString::fromUtf8(hint.res_class).toLower()));
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return yes;
}

QString windowTitle(Display* dpy, Window w)
{
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString title;
    if (XGetWindowProperty(dpy, w, netName, 0, 4096, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data && type == utf8 && format == 8) {
        title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    }
    if (data) XFree(data);
    if (type == utf8) return title;
    XTextProperty text{};
    if (XGetWMName(dpy, w, &text) && text.value) {
        char** list = nullptr;
        int n = 0;
        if (Xutf8TextPropertyToTextList(dpy, &text, &list, &n) >= Success && list && n > 0)
            title = QString::fromUtf8(list[0]);
        if (list) XFreeStringList(list);
        XFree(text.value);
    }
    return title;
}

}  // namespace

QStringList fileManagerClasses()
{
    return {QStringLiteral("nautilus"),  QStringLiteral("org.gnome.nautilus"), QStringLiteral("thunar"),
            QStringLiteral("pcmanfm"),   QStringLiteral("pcmanfm-qt"),         QStringLiteral("dolphin"),
            QStringLiteral("caja"),      QStringLiteral("nemo"),               QStringLiteral("konqueror"),
            QStringLiteral("spacefm"),   QStringLiteral("peony"),              QStringLiteral("dde-file-manager"),
            QStringLiteral("doublecmd"), QStringLiteral("krusader"),           QStringLiteral("cabinetwclass")};
}

bool fileManagerWindowTitled(const QString& title)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    XSession x;
    Display* dpy = x.display();
    if (!dpy) return false;
    for (int s = 0; s < ScreenCount(dpy); ++s) {
        const Window root = RootWindow(dpy, s);
        std::vector<Window> windows = clientList(dpy, root);
        if (windows.empty()) windows = topLevelWindows(dpy, root);
        for (Window w : windows) {
            if (!isFileManager(dpy, w)) continue;
            if (windowTitle(dpy, w).compare(title, Qt::CaseInsensitive) == 0) return true;
        }
    }
    return false;
}

}  // namespace plat
