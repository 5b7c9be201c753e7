// Times the generation of a mock paper at each level on the demo tree (the
// level button's work: checks, choice questions, guard, reset, operation
// questions; not the one-second progress steps, which only pace the notice)
// next to `cp -r` of the files the paper consists of, in one run. Needs no
// screen (offscreen). Aim: at most 1.5x `cp -r`.
//   corvanth-bench-mock [FOLDER [ROUNDS]]
// FOLDER (default: the temporary folder) must lie on the disk to measure.
#include "benchutil.h"

#include "forms/runtime.h"
#include "mocktest/answering/mocktestwindow.h"
#include "mocktest/paper/leveltable.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    bench::DemoSetup setup(base);
    if (!setup.ok()) return 1;
    const QString program = setup.program();
    const QString drive = setup.drive();

    const QString tree = program + QStringLiteral("/素材/bk/模拟测试");
    const QString copies = setup.root() + QStringLiteral("/cp-copy");
    bool within = true;
    for (const mocktest::LevelSpec& level : mocktest::mockLevels()) {
        std::vector<double> ours, cp;
        for (int r = 0; r < rounds; ++r) {
            auto* w = qobject_cast<mocktest::MockTestWindow*>(forms::show(QString::fromUtf8(mocktest::MockTestWindow::kName)));
            bench::settle();
            QElapsedTimer t;
            t.start();
            w->generatePaper(level.word());
            ours.push_back(bench::ms(t));
            if (!w->paperComplete()) std::printf("  (paper incomplete: %s)\n", qPrintable(w->generationFailures().join(QChar(' '))));
            forms::resetForTests();  // the window goes without its clean-up: the next paper finds the last one's folders

            // The files of the paper, in one cp run: the exam folders on D:,
            // the rebuilt kind folders and the choice slots of the working tree.
            QStringList sources;
            for (const char* f : {"KSDOC", "KSXLS", "KSPPT", "KSWIN", "KSNET"})
                if (QFileInfo::exists(drive + '/' + QString::fromUtf8(f))) sources << drive + '/' + QString::fromUtf8(f);
            for (const QString& k : level.resetKinds) sources << tree + '/' + k;
            if (level.choiceCount > 0) sources << tree + QStringLiteral("/选择题");
            QDir(copies).removeRecursively();
            QDir().mkpath(copies);
            bench::settle();
            cp.push_back(bench::runTool(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + sources + QStringList{copies}));
        }
        const double o = bench::median(ours), c = bench::median(cp);
        within = within && o / c <= 1.5;
        std::printf("%s: generation %.1f ms, cp -r %.1f ms: %.2fx (median of %d)\n", level.level, o, c, o / c, rounds);
    }
    std::printf("aim (at most 1.5x): %s\n", within ? "met" : "not met");
    return 0;
}
