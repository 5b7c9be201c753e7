// Corvanth: start-up of the platform.
#include "common/navigation.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/instancelock.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "windows/registry.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace {

// Held while the program runs (see plat::InstanceLock).
const QString kInstanceLockFile = QStringLiteral("\\素材\\bk\\corvanth.lock");

// With CORVANTH_EXIT_WHEN_SHOWN (benchmarks and smoke tests, nobody at the
// screen) a message box would wait for ever: its text goes to the error
// output instead and counts as answered with OK (or No).
class ReportedMessageBoxes final : public plat::MessageBoxes {
public:
    void ok(QWidget*, const QString& text) override { report(text); }
    bool yesNo(QWidget*, const QString& text) override
    {
        report(text);
        return false;
    }

private:
    static void report(const QString& text)
    {
        std::fprintf(stderr, "MESSAGE: %s\n", text.toUtf8().constData());
        std::fflush(stderr);
    }
};

// Calls `done` once the first paint of `window` has been drawn and handed to
// the screen: the paint event comes first, the flush follows in the same
// pass, and a zero timer set during the paint runs after both.
void whenFirstPainted(QWidget* window, std::function<void()> done)
{
    struct Watcher final : QObject {
        std::function<void()> done;
        bool eventFilter(QObject* watched, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    done();
                    deleteLater();
                });
            }
            return false;
        }
    };
    auto* w = new Watcher;
    w->setParent(window);
    w->done = std::move(done);
    window->installEventFilter(w);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanth"));
    // No display name: Qt would append it to every window's caption, and the
    // windows show their own captions exactly.
    QApplication::setQuitOnLastWindowClosed(false);

    const bool unattended = qEnvironmentVariableIsSet("CORVANTH_EXIT_WHEN_SHOWN");
    ReportedMessageBoxes reported;
    if (unattended) plat::setMessageBoxes(&reported);

    // Message-box buttons and standard dialogs speak Simplified Chinese.
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtbase);

    // The designs name 微软雅黑; on this system the Noto CJK faces stand in.
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                               {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont font(QStringLiteral("微软雅黑"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    const QString bk = plat::appPath(QStringLiteral("\\素材\\bk"));
    if (!QDir(plat::toHost(bk)).exists()) {
        msgOk(QStringLiteral("找不到素材文件夹：") + plat::displayPath(bk) +
               QStringLiteral("\n请将“素材”文件夹放在程序所在的文件夹中。"));
        return 1;
    }

    // Two copies on one tree would delete each other's working folders.
    const plat::InstanceLock lock(plat::appPath(kInstanceLockFile));
    if (lock.state() == plat::InstanceLock::State::HeldElsewhere) {
        msgOk(QStringLiteral("实训平台已经在运行，请使用已经打开的窗口。"));
        return 1;
    }

    windows::registerAll();
    QWidget* const main = forms::show(common::kMainWindowName);
    if (forms::programEnded()) return 0;
    if (main && qEnvironmentVariableIsSet("CORVANTH_REPORT_SHOWN")) {
        // Benchmarks and smoke tests: say when the main window is on the
        // screen with its contents, i.e. once its first paint has gone out.
        whenFirstPainted(main, [unattended] {
            std::fputs("SHOWN\n", stdout);
            std::fflush(stdout);
            if (unattended) forms::endProgram();
        });
    }
    return app.exec();
}
