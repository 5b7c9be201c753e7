#include "common/handin.h"
#include "common/messages.h"

#include "forms/form.h"
#include "platform/archive.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/officelock.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <algorithm>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

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

// The name a file (path relative to the packed folder, file-system bytes)
// is packed under, each part of the path on its own: its UTF-8 name, or a
// name in code page 936 bytes (as unpacked from an archive made on Windows)
// as Windows shows it; "" when a part is neither. A folder the student made
// keeps its own name whatever the names unpacked into it.
QString packedName(const QByteArray& relative)
{
    QStringList parts;
    for (const QByteArray& part : relative.split('/')) {
        QStringDecoder utf8(QStringConverter::Utf8);
        const QString asUtf8 = utf8.decode(part);
        if (!utf8.hasError()) {
            parts << asUtf8;
            continue;
        }
        const QString windows = plat::decode936(part);
        if (windows.contains(QChar::ReplacementCharacter)) return {};
        parts << windows;
    }
    return parts.join('/');
}

// The first name in a folder that cannot be packed as a readable name
// (relative to the folder, shown as well as it can be), or "".
QString unreadableName(const QString& hostFolder)
{
    for (const QByteArray& relative : plat::filesBelow(hostFolder))
        if (packedName(relative).isEmpty()) return QString::fromUtf8(relative);
    return {};
}

// Lock files of office programs left in a folder that is about to be
// packed (the hand-in packs copies of the student's work, so these go).
void dropOfficeLockFiles(const QString& hostFolder)
{
    QDirIterator it(hostFolder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (isOfficeLockFile(it.fileName()))
            plat::fs::ignoreFailure(plat::fs::deleteFile(it.filePath(), true), "a lock that stays is refused by the check");
    }
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

bool isOfficeLockFile(const QString& fileName)
{
    return fileName.startsWith(QLatin1String(".~lock.")) && fileName.endsWith('#');
}

QString packingName(const QString& packedArchive)
{
    const QString host = plat::toHost(packedArchive);
    const QFileInfo fi(host);
    return fi.dir().filePath(fi.completeBaseName() + QStringLiteral(".packing.") + fi.suffix());
}

void removeInterruptedPacking(const QString& packedArchive)
{
    // The archiver writes its own temporary beside the packing name.
    const QString fresh = packingName(packedArchive);
    for (const QString& f : {fresh, fresh + QStringLiteral(".part")})
        if (QFileInfo(f).isFile())
            plat::fs::ignoreFailure(plat::fs::deleteFile(f, true), "an unverified packing never counts");
}

bool archiveHoldsFolder(const QString& archive, const QString& folder, QString* why, const QSet<QString>& kept)
{
    const auto say = [why](const QString& text) {
        if (why) *why = text;
        return false;
    };
    const QString root = plat::toHost(folder);
    const QString rootName = QFileInfo(root).fileName();
    // Every file of the folder under the name it is packed as.
    QHash<QString, QByteArray> sources;
    const QByteArray hostRoot = QFile::encodeName(root);
    for (const QByteArray& relative : plat::filesBelow(root)) {
        const QString name = packedName(relative);
        if (name.isEmpty()) return say(QStringLiteral("文件名无法识别：“") + QString::fromUtf8(relative) + QStringLiteral("”"));
        sources.insert(rootName + '/' + name, hostRoot + '/' + relative);
    }
    // An archiver that keeps more of the path stores the folder deeper.
    const QString inner = '/' + rootName + '/';
    const auto packedAs = [&](const QString& name) {
        if (name.startsWith(rootName + '/')) return name;
        const qsizetype at = name.indexOf(inner);
        return at < 0 ? name : name.mid(at + 1);
    };
    QString error;
    const auto entries = plat::listArchive(archive, &error, [&](const QString& name) {
        return sources.value(packedAs(name));
    });
    if (!entries) return say(QStringLiteral("无法完整读取压缩包（") + error + QStringLiteral("）"));

    QSet<QString> seen;
    for (const plat::ArchiveEntry& e : *entries) {
        if (e.folder) continue;
        const QString key = packedAs(e.name);
        if (!sources.contains(key)) {
            if (kept.contains(e.name)) continue;
            return say(QStringLiteral("压缩包中有不该有的文件“") + e.name + QStringLiteral("”"));
        }
        if (seen.contains(key)) return say(QStringLiteral("压缩包中的文件“") + key + QStringLiteral("”出现了两次"));
        seen.insert(key);
        switch (e.content) {
        case plat::ArchiveEntry::Content::Same:
            break;
        case plat::ArchiveEntry::Content::SourceUnreadable:
            return say(QStringLiteral("无法读取原文件“") + key + QStringLiteral("”来核对压缩包"));
        case plat::ArchiveEntry::Content::Differs:
        case plat::ArchiveEntry::Content::NotCompared:
            return say(QStringLiteral("压缩包中的文件“%1”与原文件内容不同（%2 字节，原文件 %3 字节）")
                           .arg(key)
                           .arg(e.size)
                           .arg(QFileInfo(QFile::decodeName(sources.value(key))).size()));
        }
    }
    for (auto s = sources.constBegin(); s != sources.constEnd(); ++s)
        if (!seen.contains(s.key())) return say(QStringLiteral("压缩包中缺少文件“") + s.key() + QStringLiteral("”"));
    return true;
}

namespace {

struct Packed {
    HandInResult result;
    QString fresh;  // host path of the verified new archive
};

// Packs `folder` into a new archive under the packing name, with the
// entries of the packed archive that the folder does not replace, and
// verifies it. The packed archive itself is not touched.
Packed packFresh(const QString& packedArchive, const QString& folder, forms::Form* owner, int timeoutMs,
                 const std::function<void(int)>& progress, const QStringList& replaces = {})
{
    Packed out;
    const QString archiver = plat::appPath(kArchiverExe);
    const QString hostArchiver = plat::toHost(archiver);
    if (!QFileInfo(hostArchiver).isFile() || !QFileInfo(hostArchiver).isExecutable()) {
        out.result = failed(QStringLiteral("找不到打包程序：") + shown(archiver));
        return out;
    }
    if (!plat::fs::folderExists(folder)) {
        out.result = failed(QStringLiteral("找不到要打包的文件夹：") + shown(folder));
        return out;
    }

    const QString target = plat::toHost(packedArchive);
    if (const plat::fs::Status made = plat::fs::makePath(QFileInfo(target).absolutePath()); !made.ok()) {
        out.result = failed(QStringLiteral("无法建立文件夹：") + made.describe());
        return out;
    }
    const QString fresh = packingName(packedArchive);
    removeInterruptedPacking(packedArchive);
    if (const QString bad = unreadableName(plat::toHost(folder)); !bad.isEmpty()) {
        out.result = failed(QStringLiteral("文件名无法识别，不能打包：“") + bad +
                            QStringLiteral("”\n（可能是从其他电脑的压缩包中解压出来的）请在作答文件夹中把它改名或删除后再提交。"));
        return out;
    }
    dropOfficeLockFiles(plat::toHost(folder));
    // An earlier hand-in's archive goes into the new one too; the archiver
    // works on a copy, so the original stays whole whatever it does.
    QSet<QString> kept;
    if (QFileInfo(target).isFile()) {
        QString why;
        const auto earlier = plat::listArchive(target, &why);
        if (!earlier) {
            out.result = failed(QStringLiteral("原有的压缩包已损坏，无法读取：") + target + QStringLiteral("（") + why +
                                QStringLiteral("）\n请联系老师。"));
            return out;
        }
        for (const plat::ArchiveEntry& e : *earlier)
            if (!e.folder && std::none_of(replaces.begin(), replaces.end(), [&](const QString& r) { return e.name.startsWith(r); }))
                kept.insert(e.name);
        const bool copied = replaces.isEmpty() ? plat::copyFileVerified(target, fresh, {}, &why)
                                               : plat::copyArchiveWithout(target, fresh, replaces, &why);
        if (!copied) {
            out.result = failed(QStringLiteral("无法复制原有的压缩包：") + target + QStringLiteral("（") + why + QStringLiteral("）"));
            return out;
        }
    }

    plat::ToolRun run;
    {
        const forms::Form::Busy busy(owner);
        if (progress) progress(-1);
        run = plat::runToolAndWait(archiver, {QStringLiteral("a"), fresh, plat::toHost(folder)}, timeoutMs);
        if (progress) progress(0);
    }
    auto fail = [&](const QString& text) {
        removeInterruptedPacking(packedArchive);
        out.result = failed(text);
        return out;
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
    if (!archiveHoldsFolder(fresh, folder, &why, kept)) return fail(QStringLiteral("压缩包检查未通过：") + fresh + '\n' + why);
    out.result.ok = true;
    out.fresh = fresh;
    return out;
}

HandInResult copySubmission(const QString& hostSource, const QString& target, const std::function<void(int)>& progress)
{
    const QString part = target + QStringLiteral(".part");
    QString why;
    if (!plat::copyFileVerified(hostSource, part, progress, &why))
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

}  // namespace

HandInResult uPackFolder(const QString& packedArchive, const QString& folder, forms::Form* owner, int timeoutMs)
{
    Packed p = packFresh(packedArchive, folder, owner, timeoutMs, {});
    if (!p.result.ok) return p.result;
    // Verified: the new archive takes the packed archive's place.
    if (!plat::renameOver(p.fresh, plat::toHost(packedArchive))) {
        removeInterruptedPacking(packedArchive);
        return failed(QStringLiteral("无法保存压缩包：") + plat::toHost(packedArchive));
    }
    return p.result;
}

QStringList openOfficeDocuments(const QStringList& paths)
{
    QStringList open;
    for (const QString& path : paths) {
        const QString host = plat::toHost(path);
        if (QFileInfo(host).isFile()) {
            if (plat::officeLockHeld(host)) open << plat::displayPath(path);
            continue;
        }
        if (!QFileInfo(host).isDir() || !plat::officeLockHeld(host)) continue;
        // Name each document whose lock lies in the folder.
        QDirIterator it(host, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (!isOfficeLockFile(it.fileName())) continue;
            const QString document =
                it.fileInfo().dir().filePath(it.fileName().mid(7).chopped(1));
            if (plat::officeLockHeld(document))
                open << plat::displayPath(path) + QDir::toNativeSeparators(document.mid(host.size()));
        }
    }
    return open;
}

bool askAboutOpenDocuments(const QStringList& paths, QWidget* owner)
{
    const QStringList open = openOfficeDocuments(paths);
    if (open.isEmpty()) return true;
    return msgYesNo(msg::handInWithOpenDocuments(open), owner);
}

HandInResult uCopyFile(const QString& source, const QString& target, const std::function<void(int)>& progress)
{
    return copySubmission(plat::toHost(source), target, progress);
}

HandInResult handInFolder(const HandIn& h)
{
    const QString problem = handInFolderProblem(h.targetFolder);
    if (!problem.isEmpty()) return failed(problem);

    // A submission file half written by a killed hand-in (same student and
    // kind, other tasks) goes now: ".part" names are this hand-in's own.
    const QString ending = '_' + h.submissionName.section('_', -1) + QStringLiteral(".part");
    for (const QString& part : QDir(h.targetFolder).entryList({QStringLiteral("*") + ending}, QDir::Files | QDir::Hidden))
        plat::fs::ignoreFailure(plat::fs::deleteFile(QDir(h.targetFolder).filePath(part), true),
                                "a half-written copy never counts; the next hand-in tries again");

    const Packed p = packFresh(h.packedArchive, h.folder, h.owner, h.timeoutMs, h.progress, h.replaces);
    if (!p.result.ok) return p.result;
    HandInResult r = copySubmission(p.fresh, QDir(h.targetFolder).filePath(h.submissionName), h.progress);
    if (!r.ok) {
        removeInterruptedPacking(h.packedArchive);
        return r;
    }
    // The submission is verified: only now is anything recorded.
    const auto takeBack = [&](const QString& why) {
        removeInterruptedPacking(h.packedArchive);
        plat::fs::ignoreFailure(plat::fs::deleteFile(r.submission, true), "the submission is not recorded either way");
        return failed(why);
    };
    if (!plat::renameOver(p.fresh, plat::toHost(h.packedArchive)))
        return takeBack(QStringLiteral("无法保存压缩包：") + plat::toHost(h.packedArchive));
    if (h.record) {
        QString why;
        if (!h.record(&why)) return takeBack(why);
    }
    if (h.tell) h.tell();
    // Handed in, recorded and told: the packed folder is no longer needed.
    plat::fs::ignoreFailure(plat::fs::deleteFolder(h.folder, true), "handed in: a leftover goes with the close");
    return r;
}

}  // namespace common
