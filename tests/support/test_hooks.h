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
#include "platform/process.h"
#include "platform/shellwait.h"

#include <QStringList>
#include <functional>

namespace testing_support {

class TestHooks {
public:
    TestHooks() = default;
    ~TestHooks() { reset(); }
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
    // The random numbers of the draws.
    void random(common::RandomSource source) { common::setRandomSourceForTests(std::move(source)); }
    // The screen's dots per inch (twips to pixels).
    void screenDpi(double dpi) { forms::setScreenDpi(dpi); }

    // Undoes every hook (also those set without this object).
    static void reset()
    {
        plat::setStartHookForTests(nullptr);
        common::setProcessListForTests(nullptr);
        plat::setIPv4AddressesForTests(nullptr);
        plat::setDesktopHookForTests(nullptr);
        common::resetRandomSource();
        forms::setScreenDpi(0);
    }
};

}  // namespace testing_support
