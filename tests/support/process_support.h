#pragma once
// Real outside processes and a real X display for tests: a program kept
// running, a process that holds a file open, a private Xvfb server and a
// top-level window on it that looks like a file manager's.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace testing_support {

// How long a program may take to start on a machine loaded by the
// sanitizer-built tests beside it; a start that works returns at once.
constexpr int kProgramStartMs = 30000;

// A program of our own, started directly (no shell), stopped at the end.
// With a stdinFile it reads that file as its standard input: the file is
// open in the program from its very start.
class RunningProgram {
public:
    explicit RunningProgram(const QString& hostProgram, const QStringList& args = {}, const QString& stdinFile = {});
    ~RunningProgram();
    bool started() const { return pid_ > 0; }
    qint64 pid() const { return pid_; }
    // Waits until the process has ended (reaping it); false on time-out.
    bool waitEnded(int ms = 8000);
    void stop();

private:
    QProcess p_;
    qint64 pid_ = 0;
};

// A child process that holds a host file open for reading until it is
// destroyed: open from the moment it has started (no waiting for a shell to
// open it), and for as long as the test needs (no time limit of its own).
class FileHolder {
public:
    explicit FileHolder(const QString& hostFile);
    bool holding() const { return holding_; }

private:
    RunningProgram prog_;
    bool holding_ = false;
};

// Waits (letting events run) until pred() holds; false on time-out.
bool waitFor(const std::function<bool()>& pred, int ms = 8000);

// Runs an outside tool (bsdtar, say) under a UTF-8 locale, so that it reads
// and prints Chinese names whatever locale the tests were started in.
void startInUtf8Locale(QProcess& p, const QString& program, const QStringList& args);

// A private X server on a free display; DISPLAY points at it while it lives.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    static bool available();
    bool running() const { return !name_.isEmpty(); }
    QString name() const { return name_; }

private:
    QProcess p_;
    QString name_;
    QByteArray oldDisplay_;
    bool hadDisplay_ = false;
};

// A fixture Base run with a private X server: skipped where Xvfb is missing.
template <class Base>
class WithPrivateX : public Base {
protected:
    void SetUp() override
    {
        if (!XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
        Base::SetUp();
        x_ = std::make_unique<XvfbDisplay>();
        ASSERT_TRUE(x_->running());
    }
    void TearDown() override
    {
        x_.reset();
        Base::TearDown();
    }
    std::unique_ptr<XvfbDisplay> x_;
};

// A mapped top-level window with a window class and a (UTF-8) title. The
// class is set as programs usually do (the name in small letters, then the
// class); with NameOnly the class property holds the name alone, without its
// closing zero, as some programs leave it.
class ClassedWindow {
public:
    enum class ClassProperty { NameAndClass, NameOnly };
    ClassedWindow(const QString& display, const QByteArray& windowClass, const QString& title,
                  ClassProperty property = ClassProperty::NameAndClass);
    ~ClassedWindow();
    bool ok() const { return ok_; }

private:
    void* dpy_ = nullptr;
    unsigned long win_ = 0;
    bool ok_ = false;
};

// A real window manager (openbox) on a display, until destroyed; running()
// once it has taken over the screen.
class WindowManager {
public:
    explicit WindowManager(const QString& display);
    ~WindowManager();
    static bool available();
    bool running() const { return running_; }

private:
    QProcess p_;
    bool running_ = false;
};

// Whether a shown top-level window whose (UTF-8) title contains `titlePart`
// is on the display.
bool hasWindowTitled(const QString& display, const QString& titlePart);
// Asks every such window to close, as a window manager's close button does
// (WM_DELETE_WINDOW); false when there is none.
bool closeWindowTitled(const QString& display, const QString& titlePart);

// How many pixels of the first such window are dark (text, lines): 0 for a
// blank window, -1 when there is none.
int darkPixelsOfWindowTitled(const QString& display, const QString& titlePart);

// Removes the window manager's client list from the display's root, as a
// window manager that keeps none would leave it (its frames stay).
void removeClientList(const QString& display);

// A real file manager (Thunar) showing a host folder on a display, with a
// private home, no session bus and no other instance to hand the folder to.
// How long a real desktop program may take to show its window: generous,
// because the sanitizer-built tests beside it can load every core.
constexpr int kDesktopProgramStartMs = 60000;

// The named windows of the display with their classes (xwininfo), for a
// failed wait.
QString describeWindows(const QString& display);

class FileManagerWindow {
public:
    FileManagerWindow(const QString& display, const QString& hostFolder);
    ~FileManagerWindow();
    static bool available();
    bool started() const { return started_; }
    void close();
    // Whether it still runs and what it printed, for a failed wait.
    QString report();

private:
    QProcess p_;
    QTemporaryDir home_;
    bool started_ = false;
};

}  // namespace testing_support
