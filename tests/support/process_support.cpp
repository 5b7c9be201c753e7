#include "process_support.h"

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

#include "platform/proclist.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

bool waitFor(const std::function<bool()>& pred, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

void startInUtf8Locale(QProcess& p, const QString& program, const QStringList& args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(program, args);
}

RunningProgram::RunningProgram(const QString& hostProgram, const QStringList& args, const QString& stdinFile)
{
    p_.setProgram(hostProgram);
    p_.setArguments(args);
    p_.setProcessChannelMode(QProcess::ForwardedChannels);
    // Opened here and handed over at the fork: the child has it open before
    // it runs a single instruction of its own (this side closes its copy).
    if (!stdinFile.isEmpty()) p_.setStandardInputFile(stdinFile);
    // Its own process group, so that stop() also ends what it started (a
    // launcher script such as soffice leaves its real program behind).
    p_.setChildProcessModifier([] { ::setpgid(0, 0); });
    p_.start();
    if (p_.waitForStarted(kProgramStartMs)) pid_ = p_.processId();
}

RunningProgram::~RunningProgram() { stop(); }

bool RunningProgram::waitEnded(int ms)
{
    if (p_.state() == QProcess::NotRunning) return true;
    return p_.waitForFinished(ms);
}

void RunningProgram::stop()
{
    if (pid_ > 0) ::kill(-pid_, SIGKILL);  // the group, whether the leader still runs or not
    if (p_.state() == QProcess::NotRunning) return;
    p_.kill();
    // Killed, it ends; what it held open is closed once it has been reaped,
    // however long a loaded machine takes to get there.
    p_.waitForFinished(kProgramStartMs);
}

namespace {

// Whether this process itself has a descriptor of the file open.
bool openHere(const QString& hostFile)
{
    const QString canonical = QFileInfo(hostFile).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == canonical) return true;
    return false;
}

}  // namespace

FileHolder::FileHolder(const QString& hostFile)
    : prog_(QStringLiteral("/bin/sleep"), {QStringLiteral("infinity")}, hostFile)
{
    // Held by the other process alone: the test's own copy was closed.
    holding_ = prog_.started() && plat::hostPathHeldOpen(hostFile) && !openHere(hostFile);
}

bool XvfbDisplay::available() { return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty(); }

XvfbDisplay::XvfbDisplay()
{
    hadDisplay_ = qEnvironmentVariableIsSet("DISPLAY");
    oldDisplay_ = qgetenv("DISPLAY");
    if (!available()) return;
    // -displayfd picks a free display and writes its number to stdout.
    // -noreset: by default the server starts over whenever its last client
    // leaves, and refuses connections meanwhile; a test that looks at the
    // display while a program is still starting would make that program
    // fail with "cannot open display".
    p_.setProgram(QStandardPaths::findExecutable(QStringLiteral("Xvfb")));
    p_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    p_.setStandardErrorFile(QProcess::nullDevice());
    p_.start();
    if (!p_.waitForStarted(5000)) return;
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains('\n') && t.elapsed() < 15000 && p_.state() == QProcess::Running) {
        p_.waitForReadyRead(500);
        out += p_.readAllStandardOutput();
    }
    bool ok = false;
    const int n = out.trimmed().toInt(&ok);
    if (!ok) return;
    name_ = QStringLiteral(":%1").arg(n);
    qputenv("DISPLAY", name_.toLatin1());
}

XvfbDisplay::~XvfbDisplay()
{
    if (hadDisplay_) qputenv("DISPLAY", oldDisplay_);
    else qunsetenv("DISPLAY");
    if (p_.state() != QProcess::NotRunning) {
        p_.terminate();
        if (!p_.waitForFinished(5000)) {
            p_.kill();
            p_.waitForFinished(5000);
        }
    }
}

ClassedWindow::ClassedWindow(const QString& display, const QByteArray& windowClass, const QString& title,
                             ClassProperty property)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return;
    dpy_ = dpy;
    const Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 200, 100, 0, 0, 0);
    win_ = w;
    QByteArray res = windowClass.toLower();
    QByteArray cls = windowClass;
    XClassHint hint{res.data(), cls.data()};
    if (property == ClassProperty::NameAndClass)
        XSetClassHint(dpy, w, &hint);
    else
        XChangeProperty(dpy, w, XA_WM_CLASS, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(res.constData()), int(res.size()));
    const QByteArray utf8 = title.toUtf8();
    XChangeProperty(dpy, w, XInternAtom(dpy, "_NET_WM_NAME", False), XInternAtom(dpy, "UTF8_STRING", False), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    XMapWindow(dpy, w);
    XSync(dpy, False);
    ok_ = true;
}

ClassedWindow::~ClassedWindow()
{
    if (!dpy_) return;
    auto* dpy = static_cast<Display*>(dpy_);
    XDestroyWindow(dpy, win_);
    XCloseDisplay(dpy);
}

namespace {

// Whether a window manager has announced itself on the display's root.
bool windowManagerAnnounced(const QString& display)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return false;
    const Atom check = XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", True);
    bool found = false;
    if (check != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        found = XGetWindowProperty(dpy, DefaultRootWindow(dpy), check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                                   &after, &data) == Success &&
                count == 1;
        if (data) XFree(data);
    }
    XCloseDisplay(dpy);
    return found;
}

void stopProcess(QProcess& p)
{
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(5000);
    }
}

}  // namespace

QString describeWindows(const QString& display)
{
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-display"), display, QStringLiteral("-root"), QStringLiteral("-tree")});
    if (!p.waitForFinished(5000)) return QStringLiteral("xwininfo did not answer");
    QStringList named;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.contains('"')) named << line;
    return named.isEmpty() ? QStringLiteral("no named windows") : named.join('\n');
}

namespace {

// The shown top-level windows (mapped children of the root) whose
// _NET_WM_NAME contains the text. Unmapped ones do not count: toolkits keep
// hidden helper windows named after the program (Qt's client leader).
QList<Window> windowsTitled(Display* dpy, const QString& titlePart)
{
    QList<Window> out;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) return out;
    const Atom name = XInternAtom(dpy, "_NET_WM_NAME", False);
    for (unsigned k = 0; k < count; ++k) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        XWindowAttributes a{};
        if (!XGetWindowAttributes(dpy, children[k], &a) || a.map_state == IsUnmapped) continue;
        if (XGetWindowProperty(dpy, children[k], name, 0, 1024, False, AnyPropertyType, &type, &format, &items, &after,
                               &data) == Success &&
            data && QString::fromUtf8(reinterpret_cast<const char*>(data), int(items)).contains(titlePart))
            out << children[k];
        if (data) XFree(data);
    }
    if (children) XFree(children);
    return out;
}

}  // namespace

bool hasWindowTitled(const QString& display, const QString& titlePart)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return false;
    const bool found = !windowsTitled(dpy, titlePart).isEmpty();
    XCloseDisplay(dpy);
    return found;
}

bool closeWindowTitled(const QString& display, const QString& titlePart)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return false;
    const QList<Window> found = windowsTitled(dpy, titlePart);
    for (Window w : found) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(dpy, w, False, NoEventMask, &e);
    }
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return !found.isEmpty();
}

int darkPixelsOfWindowTitled(const QString& display, const QString& titlePart)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return -1;
    // A window that goes away meanwhile is an answer (-1), not the end of
    // the test program (Xlib's default handler exits).
    const auto oldHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    int dark = -1;
    const QList<Window> found = windowsTitled(dpy, titlePart);
    XWindowAttributes a{};
    if (!found.isEmpty() && XGetWindowAttributes(dpy, found.first(), &a)) {
        if (XImage* image = XGetImage(dpy, found.first(), 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap)) {
            dark = 0;
            for (int y = 0; y < a.height; ++y)
                for (int x = 0; x < a.width; ++x) {
                    const unsigned long p = XGetPixel(image, x, y);
                    const unsigned long r = (p & image->red_mask) >> __builtin_ctzl(image->red_mask);
                    const unsigned long g = (p & image->green_mask) >> __builtin_ctzl(image->green_mask);
                    const unsigned long b = (p & image->blue_mask) >> __builtin_ctzl(image->blue_mask);
                    if (r + g + b < 3 * 100) ++dark;
                }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(dpy);
    XSetErrorHandler(oldHandler);
    return dark;
}

void removeClientList(const QString& display)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return;
    XDeleteProperty(dpy, DefaultRootWindow(dpy), XInternAtom(dpy, "_NET_CLIENT_LIST", False));
    XSync(dpy, False);
    XCloseDisplay(dpy);
}

bool WindowManager::available() { return !QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty(); }

WindowManager::WindowManager(const QString& display)
{
    if (!available()) return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    p_.setProcessEnvironment(env);
    p_.setProgram(QStandardPaths::findExecutable(QStringLiteral("openbox")));
    p_.setArguments({QStringLiteral("--sm-disable")});
    p_.setStandardOutputFile(QProcess::nullDevice());
    p_.setStandardErrorFile(QProcess::nullDevice());
    // A loaded machine can be slow to bring it up, and a window manager that
    // gave up early (display not ready yet) gets one more start.
    for (int attempt = 0; attempt < 2 && !running_; ++attempt) {
        if (p_.state() != QProcess::NotRunning) stopProcess(p_);
        p_.start();
        running_ = p_.waitForStarted(5000) &&
                   waitFor([&] { return windowManagerAnnounced(display) || p_.state() == QProcess::NotRunning; }, 30000) &&
                   windowManagerAnnounced(display);
    }
}

WindowManager::~WindowManager() { stopProcess(p_); }

bool FileManagerWindow::available() { return !QStandardPaths::findExecutable(QStringLiteral("thunar")).isEmpty(); }

FileManagerWindow::FileManagerWindow(const QString& display, const QString& hostFolder)
{
    if (!available() || !home_.isValid()) return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    // Alone: no session bus through which a running Thunar would take the
    // folder over, and a home of its own for whatever it saves.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home_.path() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home_.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    env.insert(QStringLiteral("GIO_USE_VFS"), QStringLiteral("local"));
    p_.setProcessEnvironment(env);
    p_.setProgram(QStandardPaths::findExecutable(QStringLiteral("thunar")));
    p_.setArguments({hostFolder});
    p_.setProcessChannelMode(QProcess::MergedChannels);
    p_.setStandardOutputFile(home_.path() + QStringLiteral("/output.txt"));
    p_.start();
    started_ = p_.waitForStarted(5000);
}

QString FileManagerWindow::report()
{
    QFile out(home_.path() + QStringLiteral("/output.txt"));
    const QString printed = out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll().right(4000)) : QString();
    const QString state = p_.state() == QProcess::NotRunning
                              ? QStringLiteral("thunar ended (exit %1)").arg(p_.exitCode())
                              : QStringLiteral("thunar runs");
    return state + QStringLiteral("; printed:\n") + printed;
}

void FileManagerWindow::close() { stopProcess(p_); }

FileManagerWindow::~FileManagerWindow() { close(); }

}  // namespace testing_support
