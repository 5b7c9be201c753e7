// Times the start of a new final exam on a clean PC as the student meets it:
// the click on 开始考试 until the question types are shown (guard list with
// its five file-manager window checks, examinee archive, address, paper
// draw, paper copy, working tree "D:\KS" with the paper's material, FTP
// folder). Left out: the one-second progress steps, which only pace the bar,
// and the practice server, which is not started.
// Anchor: `cp -r` of the same files (the paper, the working tree and the
// archive templates, the material of each kind, the FTP material) in one
// run; a clean PC has nothing to delete. The two take turns at going first.
// Sizes: the demo tree ("tiny"), and with 300 x 1 MB in every paper's word
// material ("300"), which the start copies twice (paper copy and D:\KS).
// Runs on an X display with a window manager (bench/with-display.sh).
// Aim: at most 1.2x `cp -r` at both sizes (median ratio).
//   corvanth-bench-exam [FOLDER [ROUNDS [tiny|300]...]]
// FOLDER (default: the temporary folder) must lie on the disk to measure.
#include "benchutil.h"

#include "common/processes.h"
#include "exam/examwindow.h"
#include "forms/runtime.h"
#include "platform/process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (!bench::requireDisplay()) return 2;
    QApplication app(argc, argv);
    const bench::Arguments args = bench::arguments(argc, argv);
    const QStringList sizes = args.rest.isEmpty() ? QStringList{QStringLiteral("tiny"), QStringLiteral("300")} : args.rest;
    // A practice server left running on this machine (by the platform, under
    // the same name) would be stopped and kept by every start: said, as the
    // figures then hold that.
    for (const QString& server : {common::kFtpServerProcess, common::kWebServerProcess})
        if (uIsProcessRunning(server))
            std::printf("(%s runs on this machine: close it for figures of a clean PC)\n", qPrintable(server));
    bench::DemoSetup setup(args.base);
    if (!setup.ok()) return 1;
    // The practice servers are not started: only the start itself is measured.
    plat::setStartHookForTests([](const QString&, const QStringList&, plat::WindowStyle) { return qint64(999999); });
    exam::ExamWindow::progressPauseMs = 0;
    const QString drive = setup.drive();
    const QString tree = setup.program() + QStringLiteral("/素材/bk/期末考查");
    const QString copies = setup.root() + QStringLiteral("/cp-copy");
    const QString window = QString::fromUtf8(exam::ExamWindow::kName);
    const QStringList papers = QDir(tree + QStringLiteral("/题库")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);

    // A clean PC: no examinee, no paper, no working folders.
    auto clean = [&] {
        QDir(tree + QStringLiteral("/提交/2024001张三")).removeRecursively();
        for (const QString& f : {drive + QStringLiteral("/KS"), drive + QStringLiteral("/PracticalTraining"), tree + QStringLiteral("/试卷")})
            QDir(f).removeRecursively();
        QFile::remove(tree + QStringLiteral("/examnumber.txt"));
    };
    QString paper;  // the paper drawn last
    auto ours = [&] {
        clean();
        forms::resetForTests();
        auto* w = qobject_cast<exam::ExamWindow*>(forms::show(window));
        bench::settleShown(w);
        QElapsedTimer t;
        t.start();
        w->ctl<QAbstractButton>(QStringLiteral("开始考试"))->click();
        const double elapsed = bench::ms(t);
        if (w->state.学生信息.isEmpty()) std::printf("  (the exam did not start)\n");
        paper = tree + QStringLiteral("/题库/") + w->state.试卷号;
        return elapsed;
    };
    auto tools = [&] {
        QStringList sources{paper, tree + QStringLiteral("/KS"), tree + QStringLiteral("/提交初始化")};
        for (const char* m : {"windows/素材", "word/素材", "excel/素材", "ppt/素材", "network/素材2", "network/素材"})
            if (QDir(paper + '/' + QString::fromUtf8(m)).exists()) sources << paper + '/' + QString::fromUtf8(m);
        QDir(copies).removeRecursively();
        QDir().mkpath(copies);
        bench::settle();
        return bench::runTool(QStringLiteral("cp"), QStringList{QStringLiteral("-r")} + sources + QStringList{copies});
    };

    // `files` x 1 MB in every paper's word material (none: the folder goes).
    auto fillWordMaterial = [&](int files) {
        for (const QString& p : papers)
            bench::fillFolder(tree + QStringLiteral("/题库/") + p + QStringLiteral("/word/素材/大文件"), QStringLiteral("大文件"), files,
                              qsizetype(1) << 20, 13);
    };

    bool within = true;
    for (const QString& size : sizes) {
        const bool large = size != QStringLiteral("tiny");
        fillWordMaterial(large ? 300 : 0);
        ours();  // a first start, so that the anchor has a paper to copy
        const bench::Pairs pairs = bench::alternate(args.rounds, ours, tools);
        within = pairs.print(large ? QStringLiteral("exam start, 300 x 1 MB") : QStringLiteral("exam start, tiny"), "cp -r", 1.2) &&
                 within;
    }
    fillWordMaterial(0);
    clean();
    QDir(copies).removeRecursively();
    forms::resetForTests();
    plat::setStartHookForTests(nullptr);
    bench::printAim("exam start at most 1.2x cp -r at both sizes", within);
    return 0;
}
