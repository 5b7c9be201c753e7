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

#include "exam/examwindow.h"
#include "forms/runtime.h"
#include "platform/process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void fill(const QString& folder, int files, qsizetype size)
{
    QDir(folder).removeRecursively();
    if (files == 0) return;
    QDir().mkpath(folder);
    QByteArray block(size, Qt::Uninitialized);
    QRandomGenerator gen(13);
    for (int i = 0; i < files; ++i) {
        gen.fillRange(reinterpret_cast<quint32*>(block.data()), size / 4);
        QFile f(folder + QStringLiteral("/大文件%1.bin").arg(i, 3, 10, QChar('0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(block) != size) std::printf("cannot write %s\n", qPrintable(f.fileName()));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::requireDisplay()) return 2;
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QStringList sizes;
    for (int i = 3; i < argc; ++i) sizes << QString::fromLocal8Bit(argv[i]);
    if (sizes.isEmpty()) sizes = {QStringLiteral("tiny"), QStringLiteral("300")};
    bench::DemoSetup setup(base);
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
        bench::settle();
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

    bool within = true;
    for (const QString& size : sizes) {
        const bool large = size != QStringLiteral("tiny");
        for (const QString& p : papers) fill(tree + QStringLiteral("/题库/") + p + QStringLiteral("/word/素材/大文件"), large ? 300 : 0, qsizetype(1) << 20);
        ours();  // a first start, so that the anchor has a paper to copy
        const bench::Pairs pairs = bench::alternate(rounds, ours, tools);
        within = pairs.print(large ? QStringLiteral("exam start, 300 x 1 MB") : QStringLiteral("exam start, tiny"), "cp -r", 1.2) &&
                 within;
    }
    for (const QString& p : papers) fill(tree + QStringLiteral("/题库/") + p + QStringLiteral("/word/素材/大文件"), 0, 0);
    clean();
    QDir(copies).removeRecursively();
    forms::resetForTests();
    plat::setStartHookForTests(nullptr);
    bench::printAim("exam start at most 1.2x cp -r at both sizes", within);
    return 0;
}
