// Times the preparation of a knowledge-point exercise (the window's Load,
// from the click on a point to the material present in "D:\实训素材") on
// generated material of 300 x 1 MB and 300 x 4 MB, next to `cp -r` of the
// same folder, and the deletion of the prepared folder next to `rm -rf`; and
// the fixed part: the same preparation for a tiny exercise. Needs no screen
// (offscreen). Aim: copy and delete at most 1.2x `cp -r` and `rm -rf`.
//   corvanth-bench-prepare [FOLDER [ROUNDS [fixed]]]
// FOLDER (default: the temporary folder) must lie on the disk to measure;
// ROUNDS (default 5) gives the medians; "fixed" runs only the tiny exercise
// (ROUNDS times), for a profiler. The two sides take turns at going first,
// so that neither always finds the disk still busy with the other's writes.
#include "benchutil.h"

#include "common/handover.h"
#include "forms/runtime.h"
#include "knowledge/exercisewindow.h"
#include "platform/filesystem.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kWindow = QString::fromUtf8(knowledge::ExerciseWindow::kName);
const QString kMaterial = QStringLiteral("/素材/bk/题库/操作题/word/素材/word分栏");
const QString kPrepared = QStringLiteral("D:\\实训素材");

// One click on the point: the window loads and prepares; the time until it
// is shown. False when the preparation did not complete.
bool prepare(double* elapsed)
{
    QElapsedTimer t;
    t.start();
    auto* w = qobject_cast<knowledge::ExerciseWindow*>(forms::show(kWindow));
    *elapsed = bench::ms(t);
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
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const bool fixedOnly = argc > 3 && qstrcmp(argv[3], "fixed") == 0;
    bench::DemoSetup setup(base);
    if (!setup.ok()) return 1;
    if (!uWriteTextFile(common::kKnowledgeRequest, QStringLiteral("word\r\n分栏\r\ndocx"))) {
        std::fprintf(stderr, "cannot write the request\n");
        return 1;
    }
    const QString material = setup.program() + kMaterial;
    const QString prepared = setup.drive() + QStringLiteral("/实训素材");
    const QString cpCopy = setup.drive() + QStringLiteral("/cp-copy");

    // The fixed part: a tiny exercise, as the demo tree has it.
    std::vector<double> fixed;
    for (int i = 0; i < (fixedOnly ? rounds : 2 * rounds + 3); ++i) {
        bench::settle(!fixedOnly);
        double t = 0;
        if (!prepare(&t)) std::printf("  (the tiny exercise was not prepared)\n");
        fixed.push_back(t);
        // As after the window's close: the next click finds no working folder.
        plat::fs::ignoreFailure(plat::fs::deleteFolder(kPrepared), "checked by the next preparation");
    }
    const double fixedMs = bench::median(fixed);
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
        auto ourRun = [&] {
            bench::settle();
            double t = 0;
            if (!prepare(&t)) std::printf("  (not prepared)\n");
            if (QDir(prepared).entryList(QDir::Files).size() != size.files) std::printf("  (material incomplete)\n");
            ours.push_back(t);
            bench::settle();
            QElapsedTimer d;
            d.start();
            const plat::fs::Status s = plat::fs::deleteFolder(kPrepared);
            del.push_back(bench::ms(d));
            if (!s.ok()) std::printf("  (delete: %s)\n", qPrintable(s.describe()));
        };
        auto toolRun = [&] {
            bench::settle();
            cp.push_back(bench::runTool(QStringLiteral("cp"), {QStringLiteral("-r"), material, cpCopy}));
            bench::settle();
            rm.push_back(bench::runTool(QStringLiteral("rm"), {QStringLiteral("-rf"), cpCopy}));
        };
        for (int r = 0; r < rounds; ++r) {
            if (r % 2) {
                toolRun();
                ourRun();
            } else {
                ourRun();
                toolRun();
            }
        }
        const double o = bench::median(ours), c = bench::median(cp), d = bench::median(del), r = bench::median(rm);
        const double copyRatio = (o - fixedMs) / c;
        const double deleteRatio = d / r;
        within = within && copyRatio <= 1.2 && deleteRatio <= 1.2;
        std::printf("%d x %lld MB: preparation %.0f ms (copy %.0f ms after the fixed part), cp -r %.0f ms: %.2fx whole, "
                    "%.2fx copy | delete %.0f ms, rm -rf %.0f ms: %.2fx (medians of %d)\n",
                    size.files, static_cast<long long>(size.bytes >> 20), o, o - fixedMs, c, o / c, copyRatio, d, r,
                    deleteRatio, rounds);
    }
    std::printf("aim (copy and delete at most 1.2x): %s\n", within ? "met" : "not met");
    return 0;
}
