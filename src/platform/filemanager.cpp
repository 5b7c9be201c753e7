#include "platform/filemanager.h"

#include <QGuiApplication>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace plat {
namespace {

// A window may go away while it is being read; its errors are not ours.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

// The program's own connection to the display named by DISPLAY, when its
// windows are on X and this is their thread; null otherwise. Opening a
// connection of our own costs more than all the checks of a guard list.
Display* programDisplay()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || app->thread() != QThread::currentThread()) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    Display* dpy = x11 ? x11->display() : nullptr;
    if (!dpy || qgetenv("DISPLAY") != DisplayString(dpy)) return nullptr;
    return dpy;
}

// A connection for window checks: the program's own when it has one, else
// one opened here and closed at the end. Only requests with replies are
// made, so no error of ours is left for the program's connection to meet.
class XSession {
public:
    XSession() : dpy_(programDisplay()), own_(!dpy_)
    {
        if (own_) dpy_ = XOpenDisplay(nullptr);
        if (dpy_) previous_ = XSetErrorHandler(ignoreXError);
    }
    ~XSession()
    {
        if (!dpy_) return;
        if (own_) XSync(dpy_, False);
        XSetErrorHandler(previous_);
        if (own_) XCloseDisplay(dpy_);
    }
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    Display* display() const { return dpy_; }

private:
    Display* dpy_;
    bool own_;
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

// The classes of several windows (res_name and res_class, lower case; none
// for a window without a class), asked for all at once: one round trip to
// the display whatever their number, where asking window by window waits
// for each answer in turn.
std::vector<QStringList> classesOfWindows(Display* dpy, const std::vector<Window>& windows)
{
    xcb_connection_t* const c = XGetXCBConnection(dpy);
    std::vector<xcb_get_property_cookie_t> asked;
    asked.reserve(windows.size());
    for (Window w : windows)
        asked.push_back(
            xcb_get_property(c, 0, static_cast<xcb_window_t>(w), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 2048));
    std::vector<QStringList> out;
    out.reserve(windows.size());
    for (const xcb_get_property_cookie_t& cookie : asked) {
        xcb_generic_error_t* error = nullptr;  // a window gone meanwhile
        xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, &error);
        std::free(error);
        QStringList classes;
        if (reply && reply->type == XCB_ATOM_STRING && reply->format == 8) {
            // "name\0class\0": either part may be missing.
            const char* data = static_cast<const char*>(xcb_get_property_value(reply));
            const int length = xcb_get_property_value_length(reply);
            const auto lengthFrom = [&](int from) { return int(qstrnlen(data + from, uint(length - from))); };
            const int nameLength = lengthFrom(0);
            const int classFrom = std::min(nameLength + 1, length);
            classes << QString::fromUtf8(data, nameLength).toLower()
                    << QString::fromUtf8(data + classFrom, lengthFrom(classFrom)).toLower();
        }
        std::free(reply);
        out.push_back(classes);
    }
    return out;
}

// A window manager that frames its clients but keeps no client list leaves
// frames at the top of the tree: their client is found below them.
void addClients(Display* dpy, const std::vector<Window>& windows, int depth, std::vector<Window>& out)
{
    const std::vector<QStringList> classes = classesOfWindows(dpy, windows);
    for (size_t i = 0; i < windows.size(); ++i) {
        if (!classes[i].isEmpty())
            out.push_back(windows[i]);
        else if (depth > 0)
            addClients(dpy, topLevelWindows(dpy, windows[i]), depth - 1, out);
    }
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

namespace {

struct KnownFileManager {
    const char* windowClass;  // lower case
    const char* titleSuffix;  // after the folder name and a dash; nullptr: the bare name only
};

constexpr KnownFileManager kFileManagers[] = {
    {"nautilus", nullptr},   {"org.gnome.nautilus", nullptr}, {"thunar", "Thunar"},
    {"pcmanfm", nullptr},    {"pcmanfm-qt", nullptr},         {"dolphin", "Dolphin"},
    {"caja", nullptr},       {"nemo", nullptr},               {"konqueror", "Konqueror"},
    {"spacefm", nullptr},    {"peony", nullptr},              {"dde-file-manager", nullptr},
    {"doublecmd", nullptr},  {"krusader", "Krusader"},        {"cabinetwclass", nullptr},
};

}  // namespace

QStringList fileManagerClasses()
{
    QStringList out;
    for (const KnownFileManager& f : kFileManagers) out << QString::fromLatin1(f.windowClass);
    return out;
}

namespace {
bool isFileManagerClass(const QStringList& windowClasses)
{
    for (const KnownFileManager& f : kFileManagers)
        if (windowClasses.contains(QString::fromLatin1(f.windowClass), Qt::CaseInsensitive)) return true;
    return false;
}
}  // namespace

bool fileManagerTitleShows(const QStringList& windowClasses, const QString& title, const QString& folderName)
{
    if (folderName.isEmpty()) return false;
    for (const KnownFileManager& f : kFileManagers) {
        if (!windowClasses.contains(QString::fromLatin1(f.windowClass), Qt::CaseInsensitive)) continue;
        if (title.compare(folderName, Qt::CaseInsensitive) == 0) return true;
        if (!f.titleSuffix || !title.startsWith(folderName, Qt::CaseInsensitive)) continue;
        // Thunar writes "WWW - Thunar", Dolphin "WWW — Dolphin".
        const QString rest = title.mid(folderName.size());
        for (const QString& dash : {QStringLiteral(" - "), QStringLiteral(" \u2014 "), QStringLiteral(" \u2013 ")})
            if (rest.compare(dash + QString::fromLatin1(f.titleSuffix), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The connection of the checks in progress, opened at the first check.
struct FileManagerWindowChecks::Connection {
    std::unique_ptr<XSession> session;
};

namespace {
thread_local FileManagerWindowChecks::Connection* currentChecks = nullptr;
}

FileManagerWindowChecks::FileManagerWindowChecks()
{
    if (currentChecks) return;
    connection_ = std::make_unique<Connection>();
    currentChecks = connection_.get();
}

FileManagerWindowChecks::~FileManagerWindowChecks()
{
    if (connection_) currentChecks = nullptr;
}

bool fileManagerWindowTitled(const QString& title) { return fileManagerWindowShowsAny({title}); }

bool fileManagerWindowShowsAny(const QStringList& folderNames)
{
    return fileManagerWindowShowsFirstOf({folderNames}) == 0;
}

int fileManagerWindowShowsFirstOf(const QList<QStringList>& folderNameLists)
{
    const bool anyName = std::any_of(folderNameLists.begin(), folderNameLists.end(),
                                     [](const QStringList& names) { return !names.isEmpty(); });
    if (!anyName || qEnvironmentVariableIsEmpty("DISPLAY")) return -1;
    std::unique_ptr<XSession> own;
    XSession* x = nullptr;
    if (currentChecks) {
        if (!currentChecks->session) currentChecks->session = std::make_unique<XSession>();
        x = currentChecks->session.get();
    } else {
        own = std::make_unique<XSession>();
        x = own.get();
    }
    Display* dpy = x->display();
    if (!dpy) return -1;
    // The file managers' windows with their titles, read once for all lists.
    struct Shown {
        QStringList classes;
        QString title;
    };
    std::vector<Shown> shown;
    for (int s = 0; s < ScreenCount(dpy); ++s) {
        const Window root = RootWindow(dpy, s);
        std::vector<Window> windows = clientList(dpy, root);
        if (windows.empty()) addClients(dpy, topLevelWindows(dpy, root), 2, windows);
        const std::vector<QStringList> classesOf = classesOfWindows(dpy, windows);
        for (size_t i = 0; i < windows.size(); ++i) {
            // Only a file manager's title is read: converting a legacy
            // title sets up Xlib's locale tables, which costs more than the
            // whole check.
            if (isFileManagerClass(classesOf[i])) shown.push_back({classesOf[i], windowTitle(dpy, windows[i])});
        }
    }
    for (qsizetype list = 0; list < folderNameLists.size(); ++list)
        for (const Shown& w : shown)
            for (const QString& name : folderNameLists[list])
                if (fileManagerTitleShows(w.classes, w.title, name)) return int(list);
    return -1;
}

}  // namespace plat
