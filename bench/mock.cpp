// Times a mock paper at each level as the student meets it: from the click
// on the level button until the paper is made (checks, choice questions,
// guard list with its file-manager window checks, reset of the workspace,
// operation questions; the one-second progress steps that follow only pace
// the notice and are left out). The previous paper is still there, as after
// the last paper: the generation clears it itself.
// Anchor: `rm -rf` of what the generation deletes (the mock exam folder
// D:\KSDOC and the kind folders it rebuilds) and `cp -r` of what it writes
// (those folders again; the other mock exam folders and the choice slot
// files, which it writes over: the anchor copies them onto copies of the
// previous ones), of a copy of the same tree. The two take turns at going
// first. The choice slot files a paper replaces are put aside and deleted
// during the progress steps, so the program's side does not include that
// delete.
// Sizes: the demo tree as it is ("tiny"), and with 300 x 1 MB or 300 x 4 MB
// files in the word template, which every level copies.
// Runs on an X display with a window manager (bench/with-display.sh).
// Aim: at most 1.2x the anchor at every level and size (median ratio).
//   corvanth-bench-mock [FOLDER [ROUNDS [tiny|1|4]...]]
// FOLDER (default: the temporary folder) must lie on the disk to measure.
#include "benchutil.h"

#include "forms/runtime.h"
#include "mocktest/answering/mocktestwindow.h"
#include "mocktest/paper/leveltable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The mock exam folders a new paper keeps (it deletes only D:\KSDOC).
const char* const kKeptExamFolders[] = {"KSXLS", "KSPPT", "KSWIN", "KSNET"};

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::requireDisplay()) return 2;
    QApplication app(argc, argv);
    const bench::Arguments args = bench::arguments(argc, argv);
    const QStringList sizes =
        args.rest.isEmpty() ? QStringList{QStringLiteral("tiny"), QStringLiteral("1"), QStringLiteral("4")} : args.rest;
    bench::DemoSetup setup(args.base);
    if (!setup.ok()) return 1;
    const QString drive = setup.drive();
    const QString tree = setup.program() + QStringLiteral("/素材/bk/模拟测试");
    const QString big = tree + QStringLiteral("/初始化/word/大文件");
    const QString anchor = setup.root() + QStringLiteral("/anchor");
    const QString window = QString::fromUtf8(mocktest::MockTestWindow::kName);

    // One paper from the click, in a freshly opened window.
    auto generate = [&](const mocktest::LevelSpec& level) {
        forms::resetForTests();  // the last window goes without its close: its paper stays
        auto* w = qobject_cast<mocktest::MockTestWindow*>(forms::show(window));
        bench::settleShown(w);
        QElapsedTimer t;
        t.start();
        w->ctl<QAbstractButton>(QString::fromUtf8(level.button))->click();
        const double elapsed = bench::ms(t);
        if (!w->paperComplete()) std::printf("  (paper incomplete: %s)\n", qPrintable(w->generationFailures().join(QChar(' '))));
        // The paced progress steps, untimed and without their seconds, as
        // the student's previous paper had them (the last one, which only
        // shows the notice, left out).
        w->timer()->stop();
        for (int i = 0; i < level.progressMax; ++i) w->tick();
        return elapsed;
    };
    // What a paper of this level deletes (D:\KSDOC and the kind folders it
    // rebuilds), as it lies now.
    auto clearedFiles = [&](const mocktest::LevelSpec& level) {
        QStringList out;
        const QString doc = drive + QStringLiteral("/KSDOC");
        if (QFileInfo::exists(doc)) out << doc;
        for (const QString& k : level.resetKinds) out << tree + '/' + k;
        return out;
    };
    // What it writes over without deleting it first: the other mock exam
    // folders (the material goes into them again) and, at the levels with
    // choice questions, the choice slot files (the folder: 20 files, of
    // which 入门 rewrites 15).
    auto overwrittenFiles = [&](const mocktest::LevelSpec& level) {
        QStringList out;
        for (const char* f : kKeptExamFolders)
            if (QFileInfo::exists(drive + '/' + QString::fromUtf8(f))) out << drive + '/' + QString::fromUtf8(f);
        if (level.choiceCount > 0) out << tree + QStringLiteral("/选择题");
        return out;
    };

    bool within = true;
    for (const QString& size : sizes) {
        const int mb = size == QStringLiteral("tiny") ? 0 : size.toInt();
        bench::fillFolder(big, QStringLiteral("大文件"), mb > 0 ? 300 : 0, qsizetype(mb) << 20, 11);
        for (const mocktest::LevelSpec& level : mocktest::mockLevels()) {
            generate(level);  // the previous paper, at this level and size
            auto ours = [&] { return generate(level); };
            auto tools = [&] {
                // The anchor's own copy of the previous paper, made untimed:
                // what the paper deletes in old/, what it writes over in new/.
                const QString old = anchor + QStringLiteral("/old");
                const QString fresh = anchor + QStringLiteral("/new");
                QDir(anchor).removeRecursively();
                QDir().mkpath(old);
                QDir().mkpath(fresh);
                const QStringList cleared = clearedFiles(level);
                bench::runTool(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + cleared + QStringList{old});
                QStringList oldCopies;
                for (const QString& f : cleared) oldCopies << old + '/' + QFileInfo(f).fileName();
                const QStringList kept = overwrittenFiles(level);
                if (!kept.isEmpty()) bench::runTool(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + kept + QStringList{fresh});
                bench::settle();
                const double rm = bench::runTool(QStringLiteral("rm"), QStringList{QStringLiteral("-rf")} + oldCopies);
                const double cp = bench::runTool(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + clearedFiles(level) + kept +
                                                                           QStringList{fresh});
                return rm + cp;
            };
            const bench::Pairs pairs = bench::alternate(args.rounds, ours, tools);
            const QString what = QStringLiteral("%1, %2").arg(QString::fromUtf8(level.level),
                                                              mb ? QStringLiteral("300 x %1 MB").arg(mb) : QStringLiteral("tiny"));
            within = pairs.print(what, "rm -rf + cp -r", 1.2) && within;
        }
    }
    bench::fillFolder(big, {}, 0, 0, 0);
    QDir(anchor).removeRecursively();
    forms::resetForTests();
    bench::printAim("mock paper at most 1.2x rm -rf + cp -r at every level and size", within);
    return 0;
}
