#include "process_support.h"

#include "platform/proclist.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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

RunningProgram::RunningProgram(const QString& hostProgram, const QStringList& args)
{
    p_.setProgram(hostProgram);
    p_.setArguments(args);
    p_.setProcessChannelMode(QProcess::ForwardedChannels);
    p_.start();
    if (p_.waitForStarted(5000)) pid_ = p_.processId();
}

RunningProgram::~RunningProgram() { stop(); }

bool RunningProgram::waitEnded(int ms)
{
    if (p_.state() == QProcess::NotRunning) return true;
    return p_.waitForFinished(ms);
}

void RunningProgram::stop()
{
    if (p_.state() == QProcess::NotRunning) return;
    p_.kill();
    p_.waitForFinished(5000);
}

FileHolder::FileHolder(const QString& hostFile)
    : prog_(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec sleep 60 <\"$0\""), hostFile})
{
    holding_ = prog_.started() && waitFor([&] { return plat::hostPathHeldOpen(hostFile); });
}

bool XvfbDisplay::available() { return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty(); }

XvfbDisplay::XvfbDisplay()
{
    hadDisplay_ = qEnvironmentVariableIsSet("DISPLAY");
    oldDisplay_ = qgetenv("DISPLAY");
    if (!available()) return;
    // -displayfd picks a free display and writes its number to stdout.
    p_.setProgram(QStandardPaths::findExecutable(QStringLiteral("Xvfb")));
    p_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("640x480x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
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

ClassedWindow::ClassedWindow(const QString& display, const QByteArray& windowClass, const QString& title)
{
    Display* dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy) return;
    dpy_ = dpy;
    const Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 200, 100, 0, 0, 0);
    win_ = w;
    QByteArray res = windowClass.toLower();
    QByteArray cls = windowClass;
    XClassHint hint{res.data(), cls.data()};
    XSetClassHint(dpy, w, &hint);
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

}  // namespace testing_support
