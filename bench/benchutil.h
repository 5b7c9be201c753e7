#pragma once
// What the preparation benchmarks share: a demo tree in a temporary folder
// on the disk to measure, with the windows registered and a student signed
// in, message boxes printed instead of shown, and timing helpers.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class QElapsedTimer;

namespace bench {

// Milliseconds since the timer started.
double ms(const QElapsedTimer& t);
double median(std::vector<double> v);

// Earlier writes reach the disk first (when `flush`), so that they do not
// count against the next run; posted events and deferred deletes are done.
void settle(bool flush = true);

// Runs an outside program to its end; the milliseconds it took.
double runTool(const QString& program, const QStringList& args);

// A program folder with the demo tree and its own drive D: in a new folder
// under `base`, the windows registered, the student "2024001张三" signed in
// with the launch mode "more", message boxes printed and answered "no", and
// the offscreen platform's remarks on raising windows silenced.
class DemoSetup {
public:
    explicit DemoSetup(const QString& base);
    ~DemoSetup();
    DemoSetup(const DemoSetup&) = delete;
    DemoSetup& operator=(const DemoSetup&) = delete;

    // False (after saying why on stderr) when the setup failed.
    bool ok() const { return ok_; }
    QString root() const { return work_.path(); }
    QString program() const { return work_.path() + QStringLiteral("/程序"); }
    QString drive() const { return work_.path() + QStringLiteral("/D"); }

private:
    QTemporaryDir work_;
    bool ok_ = false;
    struct Boxes;
    std::unique_ptr<Boxes> boxes_;
};

// Sets QT_QPA_PLATFORM to offscreen unless the caller chose a platform;
// call before the application object is made.
void useOffscreenPlatform();

}  // namespace bench
