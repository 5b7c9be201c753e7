#include "common/handin.h"

#include "forms/form.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace common {

namespace {

QString canonical(const QString& hostPath)
{
    const QString c = QFileInfo(hostPath).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath()) : c;
}

bool isInside(const QString& hostPath, const QString& hostRoot)
{
    const QString p = canonical(hostPath);
    const QString r = canonical(hostRoot);
    return p == r || p.startsWith(r.endsWith('/') ? r : r + '/');
}

QString shown(const QString& platformPath) { return plat::displayPath(platformPath); }

HandInResult failed(const QString& text)
{
    HandInResult r;
    r.message = text + QStringLiteral("\n") + kWorkKeptNote;
    return r;
}

// The name of the fresh archive that is packed beside the packed archive.
QString packingName(const QString& packedArchive)
{
    const QString host = plat::toHost(packedArchive);
    const QFileInfo fi(host);
    return fi.dir().filePath(fi.completeBaseName() + QStringLiteral(".packing.") + fi.suffix());
}

}  // namespace

QString handInFolderProblem(const QString& folder)
{
    if (folder.trimmed().isEmpty()) return QStringLiteral("请选择保存路径");
    const QFileInfo fi(folder);
    if (!fi.isDir()) return QStringLiteral("所选的保存路径不存在：") + folder + QStringLiteral("\n请重新选择保存路径。");
    if (isInside(folder, plat::driveD()))
        return QStringLiteral("不能把作答保存在D盘（D盘的实训文件夹会被清理）：") + folder +
               QStringLiteral("\n请选择其他保存路径。");
    if (isInside(folder, plat::toHost(plat::appPath(QStringLiteral("\\素材")))))
        return QStringLiteral("不能把作答保存在素材文件夹中：") + folder + QStringLiteral("\n请选择其他保存路径。");
    if (!plat::folderWritable(folder))
        return QStringLiteral("所选的保存路径不能写入：") + folder + QStringLiteral("\n请选择其他保存路径。");
    return {};
}

bool archiveHoldsFolder(const QString& archive, const QString& folder, QString* why)
{
    QString error;
    const auto entries = plat::listArchive(archive, &error);
    if (!entries) {
        if (why) *why = QStringLiteral("无法读取压缩包（") + error + QStringLiteral("）");
        return false;
    }
    QHash<QString, qint64> sizes;
    for (const plat::ArchiveEntry& e : *entries)
        if (!e.folder) sizes.insert(e.name, e.size);

    const QString root = plat::toHost(folder);
    const QString rootName = QFileInfo(root).fileName();
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        const QString key = rootName + '/' + base.relativeFilePath(fi.filePath());
        auto found = sizes.constFind(key);
        if (found == sizes.constEnd()) {
            // An archiver that keeps more of the path stores it deeper.
            const QString tail = '/' + key;
            for (auto e = sizes.constBegin(); e != sizes.constEnd(); ++e)
                if (e.key().endsWith(tail)) {
                    found = e;
                    break;
                }
        }
        if (found == sizes.constEnd()) {
            if (why) *why = QStringLiteral("压缩包中缺少文件“") + key + QStringLiteral("”");
            return false;
        }
        if (found.value() != fi.size()) {
            if (why)
                *why = QStringLiteral("压缩包中的文件“%1”大小不符（%2 字节，应为 %3 字节）")
                           .arg(key)
                           .arg(found.value())
                           .arg(fi.size());
            return false;
        }
    }
    return true;
}

HandInResult uPackFolder(const QString& packedArchive, const QString& folder, forms::Form* owner, int timeoutMs)
{
    const QString archiver = plat::appPath(kArchiverExe);
    const QString hostArchiver = plat::toHost(archiver);
    if (!QFileInfo(hostArchiver).isFile() || !QFileInfo(hostArchiver).isExecutable())
        return failed(QStringLiteral("找不到打包程序：") + shown(archiver));
    if (!plat::fs::folderExists(folder)) return failed(QStringLiteral("找不到要打包的文件夹：") + shown(folder));

    const QString target = plat::toHost(packedArchive);
    if (const plat::fs::Status made = plat::fs::makePath(QFileInfo(target).absolutePath()); !made.ok())
        return failed(QStringLiteral("无法建立文件夹：") + made.describe());
    const QString fresh = packingName(packedArchive);
    plat::fs::ignoreFailure(plat::fs::deleteFile(fresh, true), "a packing left by an earlier attempt; usually none");
    // An earlier hand-in's archive goes into the new one too; the archiver
    // works on a copy, so the original stays whole whatever it does.
    if (QFileInfo(target).isFile()) {
        QString why;
        if (!plat::copyFileVerified(target, fresh, {}, &why))
            return failed(QStringLiteral("无法复制原有的压缩包：") + target + QStringLiteral("（") + why + QStringLiteral("）"));
    }

    plat::ToolRun run;
    {
        const forms::Form::Busy busy(owner);
        run = plat::runToolAndWait(archiver, {QStringLiteral("a"), fresh, plat::toHost(folder)}, timeoutMs);
    }
    auto fail = [&](const QString& text) {
        plat::fs::ignoreFailure(plat::fs::deleteFile(fresh, true), "the unverified packing is not the hand-in");
        return failed(text);
    };
    switch (run.status) {
    case plat::ToolRun::Status::NotStarted:
        return fail(QStringLiteral("打包程序无法启动：") + shown(archiver));
    case plat::ToolRun::Status::TimedOut:
        return fail(QStringLiteral("打包超时，已停止打包程序：") + shown(archiver));
    case plat::ToolRun::Status::Crashed:
        return fail(QStringLiteral("打包程序异常结束：") + shown(archiver));
    case plat::ToolRun::Status::Ended:
        break;
    }
    if (run.exitCode != 0)
        return fail(QStringLiteral("打包失败（打包程序返回错误代码 %1）：").arg(run.exitCode) + target);
    if (!QFileInfo(fresh).isFile()) return fail(QStringLiteral("打包后找不到压缩包：") + fresh);
    QString why;
    if (!archiveHoldsFolder(fresh, folder, &why)) return fail(QStringLiteral("压缩包检查未通过：") + fresh + '\n' + why);

    // Verified: the new archive takes the packed archive's place.
    if (!plat::renameOver(fresh, target))
        return fail(QStringLiteral("无法保存压缩包：") + target);
    HandInResult ok;
    ok.ok = true;
    return ok;
}

HandInResult uCopyFile(const QString& source, const QString& target, const std::function<void(int)>& progress)
{
    const QString part = target + QStringLiteral(".part");
    QString why;
    if (!plat::copyFileVerified(plat::toHost(source), part, progress, &why))
        return failed(QStringLiteral("提交文件写入失败：") + target + QStringLiteral("（") + why + QStringLiteral("）"));
    if (!plat::renameOver(part, target)) {
        plat::fs::ignoreFailure(plat::fs::deleteFile(part, true), "the verified copy was not the hand-in yet");
        return failed(QStringLiteral("提交文件无法命名：") + target);
    }
    HandInResult ok;
    ok.ok = true;
    ok.submission = target;
    return ok;
}

HandInResult uHandIn(const HandIn& h)
{
    const QString problem = handInFolderProblem(h.targetFolder);
    if (!problem.isEmpty()) return failed(problem);

    HandInResult r = uPackFolder(h.packedArchive, h.folder, h.owner, h.timeoutMs);
    if (!r.ok) return r;
    r = uCopyFile(h.packedArchive, QDir(h.targetFolder).filePath(h.submissionName), h.progress);
    if (!r.ok) return r;
    if (h.record) {
        QString why;
        if (!h.record(&why)) return failed(why);
    }
    // Handed in and recorded: the packed folder is no longer needed.
    plat::fs::ignoreFailure(plat::fs::deleteFolder(h.folder, true), "handed in: a leftover goes with the close");
    return r;
}

}  // namespace common
