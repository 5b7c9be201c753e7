#pragma once
// The test hooks of the program, set for one test and all undone when the
// TestHooks object goes out of scope (a failed ASSERT included): a hook left
// behind would reach into the next test.
//
//     testing_support::TestHooks hooks;
//     hooks.processes([this] { return running; });
//     hooks.starts([this](const QString& program, const QStringList&, plat::WindowStyle) { ...; return qint64(1); });
#include "common/draw.h"
#include "common/processes.h"
#include "forms/twips.h"
#include "platform/desktop.h"
#include "platform/officelock.h"
#include "platform/process.h"
#include "platform/shellwait.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <optional>

namespace testing_support {

class TestHooks {
public:
    TestHooks() = default;
    ~TestHooks()
    {
        reset();
        if (displaySet_) {
            if (hadDisplay_) qputenv("DISPLAY", oldDisplay_);
            else qunsetenv("DISPLAY");
        }
    }
    TestHooks(const TestHooks&) = delete;
    TestHooks& operator=(const TestHooks&) = delete;

    // Every program start (see plat::setStartHookForTests).
    void starts(plat::StartHook hook) { plat::setStartHookForTests(std::move(hook)); }
    // The running processes' names.
    void processes(std::function<QStringList()> lister) { common::setProcessListForTests(std::move(lister)); }
    // The machine's IPv4 addresses.
    void addresses(std::function<QStringList()> lister) { plat::setIPv4AddressesForTests(std::move(lister)); }
    // Documents, folders and pages handed to the desktop.
    void desktop(plat::DesktopHook hook) { plat::setDesktopHookForTests(std::move(hook)); }
    // Every hand-over to the desktop succeeds and is noted in `into`: its
    // text, or "<action number>:<text>".
    enum class Noted { Text, ActionAndText };
    void recordDesktop(QStringList& into, Noted noted = Noted::Text)
    {
        desktop([&into, noted](plat::DesktopAction a, const QString& text) {
            into << (noted == Noted::Text ? text : QStringLiteral("%1:%2").arg(int(a)).arg(text));
            return true;
        });
    }
    // The random numbers of the draws.
    void random(common::RandomSource source) { common::setRandomSourceForTests(std::move(source)); }
    // The screen's dots per inch (twips to pixels).
    void screenDpi(double dpi) { forms::setScreenDpi(dpi); }
    // The office programs that run (user and profile), for the lock check.
    void officeProcesses(QList<plat::OfficeProcess> running) { plat::setOfficeProcessesForTests(std::move(running)); }
    // The X display programs reach (DISPLAY; none for an empty name), given
    // back at the end.
    void display(const QByteArray& name)
    {
        if (!displaySet_) {
            hadDisplay_ = qEnvironmentVariableIsSet("DISPLAY");
            oldDisplay_ = qgetenv("DISPLAY");
            displaySet_ = true;
        }
        if (name.isEmpty()) qunsetenv("DISPLAY");
        else qputenv("DISPLAY", name);
    }

    // Undoes every hook (also those set without this object).
    static void reset()
    {
        plat::setStartHookForTests(nullptr);
        common::setProcessListForTests(nullptr);
        plat::setIPv4AddressesForTests(nullptr);
        plat::setDesktopHookForTests(nullptr);
        common::resetRandomSource();
        forms::setScreenDpi(0);
        plat::setOfficeProcessesForTests(std::nullopt);
    }

private:
    bool displaySet_ = false;
    bool hadDisplay_ = false;
    QByteArray oldDisplay_;
};

}  // namespace testing_support
