// Times the preparation of a knowledge-point exercise as the student meets
// it: from the click on a point until the window is shown with the material
// in "D:\实训素材" (guards, question document, material copy, question text
// and sample pictures, the window shown), next to `cp -r` of the same
// material folder; and the deletion of the prepared folder next to `rm -rf`.
// Sizes: the tiny exercise of the demo tree, where the fixed part of the
// preparation is all there is, and generated material of 300 x 1 MB and
// 300 x 4 MB. The two sides take turns at going first.
// Runs on an X display with a window manager (bench/with-display.sh).
// Aim: preparation and delete at most 1.2x `cp -r` and `rm -rf` for the large
// material (median ratios); the tiny exercise's ratio is printed beside,
// with its milliseconds, as the fixed part.
//   corvanth-bench-prepare [FOLDER [ROUNDS [fixed]]]
// FOLDER (default: the temporary folder) must lie on the disk to measure;
// ROUNDS (default 9) pairs per size; "fixed" runs only the tiny exercise
// (ROUNDS times), for a profiler.
#include "benchutil.h"

#include "common/handover.h"
#include "forms/runtime.h"
#include "knowledge/exercisewindow.h"
#include "platform/filesystem.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

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

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::requireDisplay()) return 2;
    QApplication app(argc, argv);
    const bench::Arguments args = bench::arguments(argc, argv);
    const bool fixedOnly = args.rest.value(0) == QStringLiteral("fixed");
    bench::DemoSetup setup(args.base);
    if (!setup.ok()) return 1;
    if (!uWriteTextFile(common::kKnowledgeRequest, QStringLiteral("word\r\n分栏\r\ndocx"))) {
        std::fprintf(stderr, "cannot write the request\n");
        return 1;
    }
    const QString material = setup.program() + kMaterial;
    const QString prepared = setup.drive() + QStringLiteral("/实训素材");
    const QString cpCopy = setup.drive() + QStringLiteral("/cp-copy");

    if (fixedOnly) {
        std::vector<double> fixed;
        for (int i = 0; i < args.rounds; ++i) {
            bench::settle(false);
            double t = 0;
            if (!prepare(&t)) std::printf("  (the tiny exercise was not prepared)\n");
            fixed.push_back(t);
            plat::fs::ignoreFailure(plat::fs::deleteFolder(kPrepared), "checked by the next preparation");
        }
        std::printf("tiny exercise, click to shown: median %.1f ms of %zu\n", bench::median(fixed), fixed.size());
        return 0;
    }

    struct Size {
        int files;  // 0: the demo tree's own material
        qsizetype bytes;
    };
    bool within = true;
    for (const Size& size : {Size{0, 0}, Size{300, qsizetype(1) << 20}, Size{300, qsizetype(4) << 20}}) {
        if (size.files > 0) bench::fillFolder(material, QStringLiteral("素材"), size.files, size.bytes, 7);
        const int expected = int(QDir(material).entryList(QDir::Files).size());
        // The preparation, then (timed on its own) the delete of what it made.
        std::vector<double> deletes;
        auto ours = [&] {
            bench::settle();
            double t = 0;
            if (!prepare(&t)) std::printf("  (not prepared)\n");
            if (QDir(prepared).entryList(QDir::Files).size() != expected) std::printf("  (material incomplete)\n");
            bench::settle();
            QElapsedTimer d;
            d.start();
            const plat::fs::Status s = plat::fs::deleteFolder(kPrepared);
            deletes.push_back(bench::ms(d));
            if (!s.ok()) std::printf("  (delete: %s)\n", qPrintable(s.describe()));
            return t;
        };
        std::vector<double> removes;
        auto tools = [&] {
            bench::settle();
            const double cp = bench::runTool(QStringLiteral("cp"), {QStringLiteral("-r"), material, cpCopy});
            bench::settle();
            removes.push_back(bench::runTool(QStringLiteral("rm"), {QStringLiteral("-rf"), cpCopy}));
            return cp;
        };
        ours();  // once first: the window's own first showing is not the student's every click
        deletes.clear();
        const bench::Pairs copies = bench::alternate(args.rounds, ours, tools);
        bench::Pairs removals;
        for (size_t i = 0; i < deletes.size(); ++i) removals.add(deletes[i], removes[i]);
        const QString what = size.files ? QStringLiteral("%1 x %2 MB").arg(size.files).arg(size.bytes >> 20) : QStringLiteral("tiny exercise");
        // The tiny exercise's preparation is its fixed part: printed, with no aim.
        const bool copyMet = copies.print(what + QStringLiteral(", preparation"), "cp -r", size.files ? 1.2 : 0);
        const bool deleteMet = removals.print(what + QStringLiteral(", delete"), "rm -rf", 1.2);
        if (size.files) within = within && copyMet && deleteMet;
    }
    bench::printAim("preparation and delete of 300 x 1 MB and 300 x 4 MB at most 1.2x cp -r and rm -rf", within);
    return 0;
}
