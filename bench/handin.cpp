// The hand-in on a large tree (2,000 files, 300 MB by default; half
// incompressible like pictures and Office files, half text), as the program
// does it: the chosen folder checked, the student's folder gathered into the
// project archive, packed with the stand-in archiver, every entry read back
// and compared with its file, the submission file written, flushed and
// compared, the record, the student told, the gathered folder deleted.
// The anchor does the same work with outside tools: cp -r, bsdtar writing a
// ZIP, bsdtar reading all of it back (-xOf), cp of the submission, rm -rf.
// The two sides alternate for several rounds; the ratio of each round's
// pair is reported (min / median / max).
// Aim: median ratio at most 1.3, peak memory of the program and of the
// archiver each under 64 MB.
//
//   corvanth-bench-handin [files] [MB] [rounds]
#include "benchutil.h"
#include "common/handin.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double kAimRatio = 1.3;
constexpr long kAimPeakKb = 64 * 1024;

long peakKb(int who)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_maxrss;
}

bool makeTree(const QString& root, int files, qint64 bytes)
{
    QRandomGenerator g(42);
    const qint64 each = bytes / files;
    QByteArray buf(int(each), Qt::Uninitialized);
    const QByteArray line = QByteArrayLiteral("计算机应用基础 实训任务 第一段文字内容，用于测试打包速度。\r\n");
    for (int i = 0; i < files; ++i) {
        const QString dir = root + QStringLiteral("/Mission_%1/子文件夹%2").arg(i % 6).arg(i % 20);
        if (!QDir().mkpath(dir)) return false;
        if (i % 2) {
            for (qsizetype k = 0; k + 4 <= buf.size(); k += 4) {
                const quint32 v = g.generate();
                memcpy(buf.data() + k, &v, 4);
            }
        } else {
            for (qsizetype k = 0; k < buf.size(); ++k) buf[k] = line[k % line.size()];
        }
        QFile f(dir + QStringLiteral("/文件%1.dat").arg(i));
        if (!f.open(QIODevice::WriteOnly) || f.write(buf) != buf.size()) return false;
    }
    return true;
}

struct Times {
    double total = 0;  // to the end of the delete
    double told = 0;   // to the moment the student is told
};

// The program's side: one whole hand-in from the student's folder on D:.
bool programSide(const QString& target, Times* t)
{
    const QString student = QStringLiteral("D:\\Word_Mission");
    const QString staged = plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\提交\\word\\2026001张三"));
    const QString packed = plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\已提交\\word\\2026001张三.rar"));
    QFile::remove(plat::toHost(packed));  // every round is a first hand-in
    QElapsedTimer clock;
    clock.start();
    if (!common::handInFolderProblem(target).isEmpty()) return false;
    QDir().mkpath(plat::toHost(staged));
    if (!plat::fs::copyFolder(student, staged + QStringLiteral("\\Word_Mission")).ok()) return false;
    common::HandIn h;
    h.folder = staged;
    h.packedArchive = packed;
    h.targetFolder = target;
    h.submissionName = QStringLiteral("word_1_2026001张三.vorqv");
    h.record = [](QString*) { return true; };
    h.tell = [&] { t->told = bench::ms(clock); };
    const common::HandInResult r = common::handInFolder(h);
    t->total = bench::ms(clock);
    if (!r.ok) std::fprintf(stderr, "hand-in failed: %s\n", r.message.toLocal8Bit().constData());
    return r.ok;
}

// The anchor: the same steps with outside tools, in one shell.
bool anchorSide(const QString& work, const QString& student, const QString& target, double* total)
{
    const QString script = QStringLiteral(
        "set -e; rm -rf \"$1/anchor\"; mkdir -p \"$1/anchor/k\";"
        "cp -r \"$2\" \"$1/anchor/k/\";"
        "bsdtar --format zip -cf \"$1/anchor.zip\" -C \"$1/anchor\" k;"
        "bsdtar -xOf \"$1/anchor.zip\" >/dev/null;"
        "cp \"$1/anchor.zip\" \"$3/anchor.vorqv\";"
        "rm -rf \"$1/anchor\"");
    QElapsedTimer clock;
    clock.start();
    QProcess sh;
    sh.start(QStringLiteral("sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), work, student, target});
    const bool ok = sh.waitForFinished(-1) && sh.exitStatus() == QProcess::NormalExit && sh.exitCode() == 0;
    *total = bench::ms(clock);
    if (!ok) std::fprintf(stderr, "anchor failed: %s\n", sh.readAllStandardError().constData());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    const qint64 mb = argc > 2 ? std::atoll(argv[2]) : 300;
    const int rounds = std::max(5, argc > 3 ? std::atoi(argv[3]) : 5);
    std::printf("aim: the hand-in within %.1fx of the anchor (median of %d alternating pairs), peak memory under %ld MB\n",
                kAimRatio, rounds, kAimPeakKb / 1024);

    QTemporaryDir tmp;
    const QString program = tmp.path() + QStringLiteral("/程序");
    const QString rar = program + QStringLiteral("/素材/bk/soft/RAR/Rar.exe");
    QDir().mkpath(QFileInfo(rar).absolutePath());
    if (!QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Rar.exe"), rar)) {
        std::fprintf(stderr, "Rar.exe not found beside the benchmark\n");
        return 1;
    }
    QFile::setPermissions(rar, QFile::permissions(rar) | QFileDevice::ExeOwner);
    plat::setProgramFolder(program);
    plat::setDriveD(tmp.path() + QStringLiteral("/D"));
    const QString student = plat::toHost(QStringLiteral("D:\\Word_Mission"));
    if (!makeTree(student, files, mb * 1024 * 1024)) {
        std::fprintf(stderr, "cannot generate the tree\n");
        return 1;
    }
    const QString target = tmp.path() + QStringLiteral("/提交 目录");
    QDir().mkpath(target);
    const long selfBefore = peakKb(RUSAGE_SELF);

    std::vector<double> ratios, ours, theirs, told;
    long archiverPeak = 0;
    for (int round = 0; round < rounds; ++round) {
        Times t;
        double anchor = 0;
        bench::settle();
        // Odd rounds start with the anchor: neither side always finds the
        // other's leftovers in the cache.
        if (round % 2) {
            if (!anchorSide(tmp.path(), student, target, &anchor)) return 1;
            bench::settle();
        }
        if (!programSide(target, &t)) return 1;
        // Only the archiver has run as a child so far in round 0.
        if (round == 0) archiverPeak = peakKb(RUSAGE_CHILDREN);
        if (!(round % 2)) {
            bench::settle();
            if (!anchorSide(tmp.path(), student, target, &anchor)) return 1;
        }
        ours.push_back(t.total);
        told.push_back(t.told);
        theirs.push_back(anchor);
        ratios.push_back(t.total / anchor);
        std::printf("round %d: hand-in %.0f ms (student told after %.0f ms), anchor %.0f ms, ratio %.2f\n", round + 1,
                    t.total, t.told, anchor, t.total / anchor);
    }
    const long selfPeak = peakKb(RUSAGE_SELF);
    const double mid = bench::median(ratios);
    std::printf("hand-in of %d files, %lld MB: median %.0f ms (told after %.0f ms), anchor median %.0f ms\n", files,
                static_cast<long long>(mb), bench::median(ours), bench::median(told), bench::median(theirs));
    std::printf("ratio min %.2f / median %.2f / max %.2f: %s (aim %.1f)\n", *std::min_element(ratios.begin(), ratios.end()),
                mid, *std::max_element(ratios.begin(), ratios.end()), mid <= kAimRatio ? "met" : "NOT met", kAimRatio);
    const bool memoryMet = selfPeak - selfBefore < kAimPeakKb && archiverPeak < kAimPeakKb;
    std::printf("peak memory: program %ld KB (%ld KB before the hand-ins, +%ld KB), archiver %ld KB: %s (aim %ld KB)\n",
                selfPeak, selfBefore, selfPeak - selfBefore, archiverPeak, memoryMet ? "met" : "NOT met", kAimPeakKb);
    return 0;
}
