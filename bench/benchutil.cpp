#include "benchutil.h"

#include "common/handover.h"
#include "demotree/demotree.h"
#include "forms/runtime.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "windows/registry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace bench {

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle(bool flush)
{
    if (flush) ::sync();
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void settleShown(QWidget* window)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000 && !(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    t.restart();
    while (t.elapsed() < 100) QApplication::processEvents(QEventLoop::AllEvents, 20);
    settle();
}

void fillFolder(const QString& folder, const QString& stem, int files, qsizetype size, quint32 seed)
{
    QDir(folder).removeRecursively();
    if (files == 0) return;
    QDir().mkpath(folder);
    QByteArray block(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (int i = 0; i < files; ++i) {
        gen.fillRange(reinterpret_cast<quint32*>(block.data()), size / 4);
        QFile f(folder + '/' + stem + QStringLiteral("%1.bin").arg(i, 3, 10, QChar('0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(block) != size) std::printf("cannot write %s\n", qPrintable(f.fileName()));
    }
}

Arguments arguments(int argc, char** argv)
{
    Arguments a;
    a.base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    if (argc > 2) a.rounds = std::max(1, std::atoi(argv[2]));
    for (int i = 3; i < argc; ++i) a.rest << QString::fromLocal8Bit(argv[i]);
    return a;
}

double runTool(const QString& program, const QStringList& args)
{
    QElapsedTimer t;
    t.start();
    if (QProcess::execute(program, args) != 0) std::printf("  (%s failed)\n", qPrintable(program));
    return ms(t);
}

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool requireDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && (platform.isEmpty() || platform == "xcb")) return true;
    std::fprintf(stderr, "This step touches windows: run the bench on an X display with a window manager, as on the\n"
                         "student's desktop, e.g. bench/with-display.sh BENCH ARGS... (starts Xvfb and openbox for it).\n");
    return false;
}

void Pairs::add(double ours, double anchor)
{
    ours_.push_back(ours);
    anchor_.push_back(anchor);
}

std::vector<double> Pairs::ratios() const
{
    std::vector<double> r;
    for (size_t i = 0; i < ours_.size(); ++i) r.push_back(anchor_[i] > 0 ? ours_[i] / anchor_[i] : 0);
    std::sort(r.begin(), r.end());
    return r;
}

bool Pairs::print(const QString& what, const char* anchorName, double aim) const
{
    const std::vector<double> r = ratios();
    if (r.empty()) return false;
    const double mid = median(r);
    std::printf("%s: %.1f ms, %s %.1f ms (medians); ratio min %.2f median %.2f max %.2f of %d pairs ", qPrintable(what),
                oursMedian(), anchorName, anchorMedian(), r.front(), mid, r.back(), size());
    if (aim > 0)
        std::printf("(aim <= %.2f: %s)\n", aim, mid <= aim ? "met" : "not met");
    else
        std::printf("(no aim)\n");
    std::fflush(stdout);
    return mid <= aim;
}

void printAim(const char* aim, bool met) { std::printf("aim (%s): %s\n", aim, met ? "met" : "not met"); }

namespace {

// The offscreen platform's remarks on every window brought forward are noise here.
QtMessageHandler previousHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QStringLiteral("does not support")) && previousHandler) previousHandler(type, context, text);
}

}  // namespace

// Message boxes would wait for a click: each is printed and answered "no".
struct DemoSetup::Boxes : plat::MessageBoxes {
    void ok(QWidget*, const QString& text) override { std::printf("  (message: %s)\n", qPrintable(text)); }
    bool yesNo(QWidget*, const QString& text) override
    {
        std::printf("  (question: %s)\n", qPrintable(text));
        return false;
    }
};

DemoSetup::DemoSetup(const QString& base) : work_(base + QStringLiteral("/corvanth-bench-XXXXXX"))
{
    previousHandler = qInstallMessageHandler(quietOffscreen);
    if (!work_.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return;
    }
    QDir().mkpath(drive());
    QString error;
    if (!demotree::build(program(), &error)) {
        std::fprintf(stderr, "demo tree: %s\n", qPrintable(error));
        return;
    }
    plat::setProgramFolder(program());
    plat::setDriveD(drive());
    windows::registerAll();
    forms::setEndHandler([] {});
    boxes_ = std::make_unique<Boxes>();
    plat::setMessageBoxes(boxes_.get());
    if (!uWriteTextFile(common::kIdentityFile, QStringLiteral("2024001张三\r\n2024001\r\n张三")) ||
        !uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"))) {
        std::fprintf(stderr, "cannot write the hand-over files\n");
        return;
    }
    ok_ = true;
}

DemoSetup::~DemoSetup()
{
    if (boxes_) plat::setMessageBoxes(nullptr);
    qInstallMessageHandler(previousHandler);
}

}  // namespace bench
