// Times the generation of a mock paper at each level on the demo tree (the
// level button's work: checks, choice questions, guard, reset, operation
// questions; not the one-second progress steps, which only pace the notice)
// next to `cp -r` of the files the paper consists of, in one run. Needs no
// screen (offscreen). Aim: at most 1.5x `cp -r`.
// Before each round the previous paper is removed outside the timing: its
// exam folders (the close deletes them), the kind folders of the working
// tree and the choice slot files. Deleting or overwriting them is disk work
// that `cp -r` into a new folder does not do either, and on a disk mounted
// with online discard it alone costs several times the copy.
//   corvanth-bench-mock [FOLDER [ROUNDS]]
// FOLDER (default: the temporary folder) must lie on the disk to measure.
#include "common/handover.h"
#include "demotree/demotree.h"
#include "forms/runtime.h"
#include "mocktest/answering/mocktestwindow.h"
#include "mocktest/paper/leveltable.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "windows/registry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

class PrintedBoxes : public plat::MessageBoxes {
public:
    void ok(QWidget*, const QString& text) override { std::printf("  (message: %s)\n", qPrintable(text)); }
    bool yesNo(QWidget*, const QString& text) override
    {
        std::printf("  (question: %s)\n", qPrintable(text));
        return false;
    }
};

QtMessageHandler previousHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QStringLiteral("does not support")) && previousHandler) previousHandler(type, context, text);
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle()
{
    ::sync();
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    previousHandler = qInstallMessageHandler(quietOffscreen);
    QTemporaryDir work(base + QStringLiteral("/corvanth-bench-XXXXXX"));
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString program = work.path() + QStringLiteral("/程序");
    const QString drive = work.path() + QStringLiteral("/D");
    QDir().mkpath(drive);
    QString error;
    if (!demotree::build(program, &error)) {
        std::fprintf(stderr, "demo tree: %s\n", qPrintable(error));
        return 1;
    }
    plat::setProgramFolder(program);
    plat::setDriveD(drive);
    windows::registerAll();
    forms::setEndHandler([] {});
    PrintedBoxes boxes;
    plat::setMessageBoxes(&boxes);
    if (!uWriteTextFile(common::kIdentityFile, QStringLiteral("2024001张三\r\n2024001\r\n张三")) ||
        !uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"))) {
        std::fprintf(stderr, "cannot write the hand-over files\n");
        return 1;
    }

    const QString tree = program + QStringLiteral("/素材/bk/模拟测试");
    const QString copies = work.path() + QStringLiteral("/cp-copy");
    bool within = true;
    for (const mocktest::LevelSpec& level : mocktest::mockLevels()) {
        std::vector<double> ours, cp;
        for (int r = 0; r < rounds; ++r) {
            for (const char* f : {"KSDOC", "KSXLS", "KSPPT", "KSWIN", "KSNET"}) QDir(drive + '/' + QString::fromUtf8(f)).removeRecursively();
            for (const QString& k : level.resetKinds) QDir(tree + '/' + k).removeRecursively();
            QDir(tree + QStringLiteral("/选择题")).removeRecursively();
            auto* w = qobject_cast<mocktest::MockTestWindow*>(forms::show(QString::fromUtf8(mocktest::MockTestWindow::kName)));
            settle();
            QElapsedTimer t;
            t.start();
            w->generatePaper(level.word());
            ours.push_back(ms(t));
            if (!w->paperComplete()) std::printf("  (paper incomplete: %s)\n", qPrintable(w->generationFailures().join(QChar(' '))));
            forms::resetForTests();  // the window goes without its close; the next round clears the paper

            // The files of the paper, in one cp run: the exam folders on D:,
            // the rebuilt kind folders and the choice slots of the working tree.
            QStringList sources;
            for (const char* f : {"KSDOC", "KSXLS", "KSPPT", "KSWIN", "KSNET"})
                if (QFileInfo::exists(drive + '/' + QString::fromUtf8(f))) sources << drive + '/' + QString::fromUtf8(f);
            for (const QString& k : level.resetKinds) sources << tree + '/' + k;
            if (level.choiceCount > 0) sources << tree + QStringLiteral("/选择题");
            QDir(copies).removeRecursively();
            QDir().mkpath(copies);
            settle();
            QElapsedTimer c;
            c.start();
            if (QProcess::execute(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + sources + QStringList{copies}) != 0)
                std::printf("  (cp failed)\n");
            cp.push_back(ms(c));
        }
        const double o = median(ours), c = median(cp);
        within = within && o / c <= 1.5;
        std::printf("%s: generation %.1f ms, cp -r %.1f ms: %.2fx (median of %d)\n", level.level, o, c, o / c, rounds);
    }
    std::printf("aim (at most 1.5x): %s\n", within ? "met" : "not met");
    plat::setMessageBoxes(nullptr);
    return 0;
}
