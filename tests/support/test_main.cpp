// Test main: a QApplication (offscreen in CI) around GoogleTest. A message
// box or modal dialog no test scripted fails the running test with its text
// instead of waiting for a click, and a test that runs past its time limit
// is named before the program stops.
#include "unexpected_boxes.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Stops the program when one test runs longer than the limit, naming the
// test: several tests share one process, and a hang should not hide which.
class Watchdog final : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}
    ~Watchdog() override
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

    void OnTestStart(const ::testing::TestInfo& info) override
    {
        std::lock_guard lock(mutex_);
        name_ = std::string(info.test_suite_name()) + "." + info.name();
        deadline_ = std::chrono::steady_clock::now() + limit_;
        running_ = true;
        wake_.notify_all();
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        std::lock_guard lock(mutex_);
        running_ = false;
        wake_.notify_all();
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            if (!running_) {
                wake_.wait(lock);
                continue;
            }
            const auto deadline = deadline_;
            if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && running_ && !quit_ &&
                deadline_ == deadline) {
                std::fprintf(stderr, "\n[  FAILED  ] %s ran longer than %lld s and was stopped\n", name_.c_str(),
                             static_cast<long long>(limit_.count()));
                std::fflush(stderr);
                std::fflush(stdout);
                std::_Exit(3);
            }
        }
    }

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string name_;
    std::chrono::steady_clock::time_point deadline_{};
    bool running_ = false;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace

// Read by the address sanitizer when it starts (unused without it). The leak
// check at exit reads the thread-local data of libraries opened while the
// program runs from what it noted at each __tls_get_addr; with this C
// library such data can lie in the static TLS block, the sanitizer then
// notes a range that is not mapped, and the leak check crashes after every
// test has passed (seen with the JPEG decoder behind Qt's image plugin,
// about one run in two, depending on where the libraries were loaded). The
// leak check itself stays on.
extern "C" __attribute__((visibility("default"), used)) const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    testing_support::installUnexpectedDialogWatch();
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    auto* watchdog = new Watchdog(std::chrono::seconds(120));
    listeners.Append(watchdog);
    const int result = RUN_ALL_TESTS();
    delete listeners.Release(watchdog);
    return result;
}
