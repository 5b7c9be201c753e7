// Times the start of a new final exam on the demo tree (开始考试 on a clean
// PC: guards, examinee archive, address, paper draw, paper copy, working tree
// "D:\KS" with the paper's material, FTP folder; not the one-second progress
// steps, which only pace the bar, and no server is started) next to `cp -r`
// of the same files in one run. Needs no screen (offscreen). Aim: at most
// 1.5x `cp -r`.
//   corvanth-bench-exam [FOLDER [ROUNDS]]
// FOLDER (default: the temporary folder) must lie on the disk to measure.
#include "common/handover.h"
#include "demotree/demotree.h"
#include "forms/runtime.h"
#include "exam/examwindow.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "windows/registry.h"

#include <QApplication>
#include <QDir>
#include <QAbstractButton>
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
    // The practice servers are not started: only the preparation is measured.
    plat::setStartHookForTests([](const QString&, const QStringList&, plat::WindowStyle) { return qint64(999999); });
    exam::ExamWindow::progressPauseMs = 0;
    if (!uWriteTextFile(common::kIdentityFile, QStringLiteral("2024001张三\r\n2024001\r\n张三")) ||
        !uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"))) {
        std::fprintf(stderr, "cannot write the hand-over files\n");
        return 1;
    }

    const QString tree = program + QStringLiteral("/素材/bk/期末考查");
    const QString copies = work.path() + QStringLiteral("/cp-copy");
    std::vector<double> ours, cp;
    for (int r = 0; r < rounds; ++r) {
        // A clean PC: no examinee, no paper, no working folders.
        QDir(tree + QStringLiteral("/提交/2024001张三")).removeRecursively();
        for (const QString& f : {drive + QStringLiteral("/KS"), drive + QStringLiteral("/PracticalTraining"), tree + QStringLiteral("/试卷")})
            QDir(f).removeRecursively();
        QFile::remove(tree + QStringLiteral("/examnumber.txt"));
        auto* w = qobject_cast<exam::ExamWindow*>(forms::show(QString::fromUtf8(exam::ExamWindow::kName)));
        settle();
        QElapsedTimer t;
        t.start();
        w->ctl<QAbstractButton>(QStringLiteral("开始考试"))->click();
        ours.push_back(ms(t));
        const QString paper = tree + QStringLiteral("/题库/") + w->state.试卷号;
        if (w->state.学生信息.isEmpty()) std::printf("  (the exam did not start)\n");
        forms::resetForTests();

        // The same files in one cp run: the paper, the working tree template,
        // the paper's material for D:\KS and the FTP folder.
        QStringList sources{paper, tree + QStringLiteral("/KS"), tree + QStringLiteral("/提交初始化")};
        for (const char* m : {"windows/素材", "word/素材", "excel/素材", "ppt/素材", "network/素材2", "network/素材"})
            sources << paper + '/' + QString::fromUtf8(m);
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
    std::printf("exam start: %.1f ms, cp -r %.1f ms: %.2fx (median of %d)\n", o, c, o / c, rounds);
    std::printf("aim (at most 1.5x): %s\n", o / c <= 1.5 ? "met" : "not met");
    plat::setStartHookForTests(nullptr);
    plat::setMessageBoxes(nullptr);
    return 0;
}
