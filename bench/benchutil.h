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
class QWidget;

namespace bench {

// Milliseconds since the timer started.
double ms(const QElapsedTimer& t);
double median(std::vector<double> v);

// Earlier writes reach the disk first (when `flush`), so that they do not
// count against the next run; posted events and deferred deletes are done.
void settle(bool flush = true);

// A window the student is about to click in: waits until it is on the
// screen and drawn, and lets the window manager's work on it settle, so
// that the click's time holds none of it.
void settleShown(QWidget* window);

// Replaces `folder` by `files` files of `size` random bytes (none: the
// folder goes), named `stem` and a three-digit number, ".bin".
void fillFolder(const QString& folder, const QString& stem, int files, qsizetype size, quint32 seed);

// The arguments every preparation bench takes: FOLDER (default: the
// temporary folder), ROUNDS (default 9: on a virtual machine single runs
// swing by a fifth and more, and the median of five pairs swings with them),
// and what follows.
struct Arguments {
    QString base;
    int rounds = 9;
    QStringList rest;
};
Arguments arguments(int argc, char** argv);

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

// For a step that touches windows (shows them, looks for file-manager
// windows): true when an X display is there to run it on, as the student's
// desktop is. Otherwise says how to get one (bench/with-display.sh) and
// returns false. Call before the application object is made.
bool requireDisplay();

// The program's side and its anchor measured in pairs, in turns: in even
// rounds the program goes first, in odd rounds the anchor, so that neither
// always finds the disk still busy with the other's writes.
class Pairs {
public:
    void add(double ours, double anchor);
    int size() const { return int(ours_.size()); }
    double oursMedian() const { return median(ours_); }
    double anchorMedian() const { return median(anchor_); }
    // ours / anchor of each pair, sorted.
    std::vector<double> ratios() const;
    // One line: the medians of both sides and min / median / max of the
    // paired ratios; true when the median ratio is at most `aim` (an aim of
    // 0: none, the figures are printed alone).
    bool print(const QString& what, const char* anchorName, double aim) const;

private:
    std::vector<double> ours_, anchor_;
};

// Runs `rounds` pairs: each side a callable giving its milliseconds.
template <class Ours, class Anchor>
Pairs alternate(int rounds, Ours&& ours, Anchor&& anchor)
{
    Pairs p;
    for (int r = 0; r < rounds; ++r) {
        double o = 0, a = 0;
        if (r % 2 == 0) {
            o = ours();
            a = anchor();
        } else {
            a = anchor();
            o = ours();
        }
        p.add(o, a);
    }
    return p;
}

// The closing line: the aim and whether it is met.
void printAim(const char* aim, bool met);

}  // namespace bench
