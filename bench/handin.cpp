// The hand-in on a large tree: 2,000 files, 300 MB by default, packed with
// the stand-in archiver and verified (archive read back, submission file
// written, flushed and compared), against bsdtar writing a ZIP archive of the
// same tree. Goal: ratio at most 1.3, peak memory of the hand-in under 64 MB.
#include "common/handin.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKb(int who)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_maxrss;
}

// Half the files are incompressible (like pictures and Office files), half
// are text.
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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
    const qint64 mb = argc > 2 ? std::atoll(argv[2]) : 300;

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

    const QString parent = program + QStringLiteral("/素材/bk/任务项目/提交/word");
    const QString folder = parent + QStringLiteral("/2026001张三");
    if (!makeTree(folder, files, mb * 1024 * 1024)) {
        std::fprintf(stderr, "cannot generate the tree\n");
        return 1;
    }
    const QString target = tmp.path() + QStringLiteral("/提交 目录");
    QDir().mkpath(target);
    const long selfBefore = peakKb(RUSAGE_SELF);

    // The hand-in's packing, verification and submission file (the folder
    // itself stays for bsdtar). The tree was just written: both runs find it
    // in the page cache.
    QElapsedTimer t;
    t.start();
    common::HandInResult r = common::uPackFolder(
        plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\已提交\\word\\2026001张三.rar")),
        plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\提交\\word\\2026001张三")), nullptr);
    if (r.ok)
        r = common::uCopyFile(plat::appPath(QStringLiteral("\\素材\\bk\\任务项目\\已提交\\word\\2026001张三.rar")),
                              target + QStringLiteral("/word_1_2026001张三.vorqv"));
    const double handInMs = double(t.nsecsElapsed()) / 1e6;
    if (!r.ok) {
        std::fprintf(stderr, "hand-in failed: %s\n", r.message.toLocal8Bit().constData());
        return 1;
    }
    const long archiverPeak = peakKb(RUSAGE_CHILDREN);
    const long selfPeak = peakKb(RUSAGE_SELF);

    QProcess bsdtar;
    t.restart();
    bsdtar.start(QStringLiteral("bsdtar"), {QStringLiteral("--format"), QStringLiteral("zip"), QStringLiteral("-cf"),
                                            tmp.path() + QStringLiteral("/bsdtar.zip"), QStringLiteral("-C"), parent,
                                            QStringLiteral("2026001张三")});
    if (!bsdtar.waitForFinished(-1) || bsdtar.exitCode() != 0) {
        std::fprintf(stderr, "bsdtar failed\n");
        return 1;
    }
    const double bsdtarMs = double(t.nsecsElapsed()) / 1e6;

    std::printf("hand-in of %d files, %lld MB: %.0f ms (pack, verify, submit); bsdtar zip: %.0f ms; ratio %.2f\n", files,
                static_cast<long long>(mb), handInMs, bsdtarMs, handInMs / bsdtarMs);
    std::printf("peak memory: program %ld KB (%ld KB before the hand-in), archiver %ld KB\n", selfPeak, selfBefore,
                archiverPeak);
    return 0;
}
