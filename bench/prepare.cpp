// Times the preparation of a knowledge-point exercise (the window's Load,
// from the click on a point to the material present in "D:\实训素材") on
// generated material of 300 x 1 MB and 300 x 4 MB, next to `cp -r` of the
// same folder, and the deletion of the prepared folder next to `rm -rf`; and
// the fixed part: the same preparation for a tiny exercise. Needs no screen
// (offscreen). Aim: copy and delete at most 1.2x `cp -r` and `rm -rf`.
//   corvanth-bench-prepare [FOLDER [ROUNDS [fixed]]]
// FOLDER (default: the temporary folder) must lie on the disk to measure;
// "fixed" runs only the tiny exercise (ROUNDS times), for a profiler.
#include "common/handover.h"
#include "demotree/demotree.h"
#include "forms/runtime.h"
#include "knowledge/exercisewindow.h"
#include "platform/filesystem.h"
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
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

const QString kWindow = QString::fromUtf8(knowledge::ExerciseWindow::kName);
const QString kMaterial = QStringLiteral("/素材/bk/题库/操作题/word/素材/word分栏");

// Message boxes would wait for a click: each is printed and answered "no".
class PrintedBoxes : public plat::MessageBoxes {
public:
    void ok(QWidget*, const QString& text) override { std::printf("  (message: %s)\n", qPrintable(text)); }
    bool yesNo(QWidget*, const QString& text) override
    {
        std::printf("  (question: %s)\n", qPrintable(text));
        return false;
    }
};

// The offscreen platform's remark on every window brought forward is noise here.
QtMessageHandler previousHandler = nullptr;

void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QStringLiteral("does not support raise()")) && previousHandler) previousHandler(type, context, text);
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void settle(bool flush = true)
{
    if (flush) ::sync();  // earlier writes do not count against the next run
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

double runTool(const QString& program, const QStringList& args)
{
    QElapsedTimer t;
    t.start();
    if (QProcess::execute(program, args) != 0) std::printf("  (%s failed)\n", qPrintable(program));
    return ms(t);
}

// One click on the point: the window loads and prepares; the time until it
// is shown. False when the preparation did not complete.
bool prepare(double* elapsed)
{
    QElapsedTimer t;
    t.start();
    auto* w = qobject_cast<knowledge::ExerciseWindow*>(forms::show(kWindow));
    *elapsed = ms(t);
    const bool ok = w && w->prepared();
    forms::resetForTests();  // the window goes without its clean-up: the delete is timed on its own
    return ok;
}

void fillMaterial(const QString& folder, int files, qsizetype size)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QByteArray block(size, Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (int i = 0; i < files; ++i) {
        gen.fillRange(reinterpret_cast<quint32*>(block.data()), size / 4);
        QFile f(folder + QStringLiteral("/素材%1.bin").arg(i, 3, 10, QChar('0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(block) != size) std::printf("cannot write %s\n", qPrintable(f.fileName()));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const bool fixedOnly = argc > 3 && qstrcmp(argv[3], "fixed") == 0;
    previousHandler = qInstallMessageHandler(quietRaise);
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
        !uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")) ||
        !uWriteTextFile(common::kKnowledgeRequest, QStringLiteral("word\r\n分栏\r\ndocx"))) {
        std::fprintf(stderr, "cannot write the hand-over files\n");
        return 1;
    }
    const QString material = program + kMaterial;
    const QString prepared = drive + QStringLiteral("/实训素材");
    const QString cpCopy = drive + QStringLiteral("/cp-copy");

    // The fixed part: a tiny exercise, as the demo tree has it.
    std::vector<double> fixed;
    for (int i = 0; i < (fixedOnly ? rounds : 2 * rounds + 3); ++i) {
        settle(!fixedOnly);
        double t = 0;
        if (!prepare(&t)) std::printf("  (the tiny exercise was not prepared)\n");
        fixed.push_back(t);
        // As after the window's close: the next click finds no working folder.
        plat::fs::ignoreFailure(plat::fs::deleteFolder(QStringLiteral("D:\\实训素材")), "checked by the next preparation");
    }
    const double fixedMs = median(fixed);
    std::printf("fixed part (tiny exercise, click to shown): median %.1f ms of %zu\n", fixedMs, fixed.size());
    if (fixedOnly) return 0;

    struct Size {
        int files;
        qsizetype bytes;
    };
    bool within = true;
    for (const Size& size : {Size{300, qsizetype(1) << 20}, Size{300, qsizetype(4) << 20}}) {
        fillMaterial(material, size.files, size.bytes);
        std::vector<double> ours, cp, del, rm;
        for (int r = 0; r < rounds; ++r) {
            settle();
            double t = 0;
            if (!prepare(&t)) std::printf("  (not prepared)\n");
            if (QDir(prepared).entryList(QDir::Files).size() != size.files) std::printf("  (material incomplete)\n");
            ours.push_back(t);
            settle();
            QElapsedTimer d;
            d.start();
            const plat::fs::Status s = plat::fs::deleteFolder(QStringLiteral("D:\\实训素材"));
            del.push_back(ms(d));
            if (!s.ok()) std::printf("  (delete: %s)\n", qPrintable(s.describe()));
            settle();
            cp.push_back(runTool(QStringLiteral("cp"), {QStringLiteral("-r"), material, cpCopy}));
            settle();
            rm.push_back(runTool(QStringLiteral("rm"), {QStringLiteral("-rf"), cpCopy}));
        }
        const double o = median(ours), c = median(cp), d = median(del), r = median(rm);
        const double copyRatio = (o - fixedMs) / c;
        const double deleteRatio = d / r;
        within = within && copyRatio <= 1.2 && deleteRatio <= 1.2;
        std::printf("%d x %lld MB: preparation %.0f ms (copy %.0f ms after the fixed part), cp -r %.0f ms: %.2fx whole, "
                    "%.2fx copy | delete %.0f ms, rm -rf %.0f ms: %.2fx\n",
                    size.files, static_cast<long long>(size.bytes >> 20), o, o - fixedMs, c, o / c, copyRatio, d, r,
                    deleteRatio);
    }
    std::printf("aim (copy and delete at most 1.2x): %s\n", within ? "met" : "not met");
    plat::setMessageBoxes(nullptr);
    return 0;
}
