#include "common/guards.h"

#include "common/probeleftover.h"
#include "common/processes.h"
#include "common/servers.h"
#include "platform/filemanager.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/officelock.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/proclist.h"
#include "platform/result.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace common {

GuardEntry GuardEntry::explorer(const QString& folderName, const QString& message, const QString& folder)
{
    GuardEntry e;
    e.kind = Kind::ExplorerWindow;
    e.folderName = folderName;
    e.path = folder.isEmpty() ? QStringLiteral("D:\\") + folderName : folder;
    e.message = message;
    return e;
}

GuardEntry GuardEntry::probe(const QString& path, const QString& probeName, bool renameBack, const QString& message)
{
    GuardEntry e;
    e.kind = Kind::InUseProbe;
    e.path = path;
    e.probeName = probeName;
    e.renameBack = renameBack;
    e.message = message;
    return e;
}

QString explorerOpenMessage(const QString& folderName)
{
    return QStringLiteral("请关闭") + folderName + QStringLiteral("文件夹及其子文件夹 >_<");
}

QString filesOpenMessage(const QString& folderName)
{
    return QStringLiteral("请关闭已经打开的") + folderName + QStringLiteral("文件夹中的文件 >_<");
}

GuardList workingFolderGuards(std::span<const WorkingFolder> folders)
{
    GuardList g;
    for (const WorkingFolder& f : folders) {
        const QString name = QString::fromUtf8(f.name);
        g << GuardEntry::explorer(name, explorerOpenMessage(name));
    }
    for (const WorkingFolder& f : folders) {
        const QString name = QString::fromUtf8(f.name);
        g << GuardEntry::probe(QStringLiteral("D:\\") + name, QString::fromUtf8(f.probe), true, filesOpenMessage(name));
    }
    return g;
}

bool uIsFolderOpenInExplorer(const QString& folderName) { return plat::fileManagerWindowTitled(folderName); }

namespace {

// The names a file-manager window may show a guarded folder by: its own and
// those of the folders inside it, as the windows the program opens itself
// show a sub-folder ("05 - Thunar"), known only by its bare name.
QStringList explorerNames(const QString& folderName, const QString& path)
{
    QStringList names{folderName};
    const QString host = plat::toHost(path);
    if (!path.isEmpty() && QFileInfo(host).isDir()) {
        // Bounded: a folder tree the student filled with thousands of
        // folders still gets checked at once.
        constexpr int kMostNames = 2000;
        QDirIterator it(host, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        QSet<QString> seen{folderName};
        while (it.hasNext() && names.size() < kMostNames) {
            it.next();
            if (!seen.contains(it.fileName())) {
                seen.insert(it.fileName());
                names << it.fileName();
            }
        }
    }
    return names;
}

}  // namespace

ProbeOutcome probePath(const QString& path, const QString& probeName, bool renameBack)
{
    // Existence as a listing sees it: hidden entries are not found.
    if (plat::fs::listedExists(path)) {
        // Here a rename succeeds even while a file inside is open, so an open
        // file is looked for first (LibreOffice holds none: its lock file
        // counts instead, while its owner runs; a lock left by an office
        // program that crashed goes, the folder is ours); then the rename
        // itself must succeed.
        const QString host = plat::toHost(path);
        const bool locked = plat::removeStaleOfficeLocks(host).held;
        if (locked || plat::hostPathHeldOpen(host)) return {ProbeOutcome::InUse, {}};
        const plat::fs::Status moved = plat::fs::rename(path, probeName);
        if (!moved.ok()) return {ProbeOutcome::Unchecked, moved.describe()};
    }
    // Made also when the path was absent: a probe name left over from an
    // interrupted run takes the path's name again.
    if (renameBack) plat::fs::ignoreFailure(plat::fs::rename(probeName, path), "nothing under the probe name, or the path is back already");
    return {};
}

bool uProbeInUse(const QString& path, const QString& probeName, bool renameBack)
{
    return probePath(path, probeName, renameBack).result != ProbeOutcome::Free;
}

QString probeFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("无法检查“") + plat::displayPath(path) + QStringLiteral("”是否正在使用：") + reason +
           QStringLiteral("\n请联系老师处理。");
}

bool uCheckFoldersFree(const GuardList& list, QWidget* owner, QString* refusal, UncheckedProbe unchecked)
{
    QString refused;
    // Probes that could not check and were passed over, and leftovers of
    // interrupted runs that were kept aside.
    QStringList passedOver;
    {
        // The open files of all processes read once for the whole list; the
        // messages come after, so that no reading outlives a message box.
        const plat::OpenFilesReading reading;
        // And one connection to the display for all its window checks.
        const plat::FileManagerWindowChecks windows;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const GuardEntry& e = list[i];
            if (e.kind == GuardEntry::Kind::ExplorerWindow) {
                // Window entries in a row are judged on one reading of the
                // windows; the first of them that is shown refuses.
                QList<QStringList> names;
                for (qsizetype k = i; k < list.size() && list[k].kind == GuardEntry::Kind::ExplorerWindow; ++k)
                    names << explorerNames(list[k].folderName, list[k].path);
                if (const int shown = plat::fileManagerWindowShowsFirstOf(names); shown >= 0)
                    refused = list[i + shown].message;
                i += names.size() - 1;
            } else if (const std::optional<ProbeLeftover> leftover = putBackProbeLeftover(e.path, e.probeName);
                       leftover && leftover->inTheWay) {
                if (unchecked == UncheckedProbe::Refuse) refused = leftover->message;
                else passedOver << leftover->message;
            } else {
                if (leftover) passedOver << leftover->message;
                const ProbeOutcome probe = probePath(e.path, e.probeName, e.renameBack);
                if (probe.result == ProbeOutcome::InUse) refused = e.message;
                else if (probe.result == ProbeOutcome::Unchecked && unchecked == UncheckedProbe::Refuse)
                    refused = probeFailedMessage(e.path, probe.reason);
                else if (probe.result == ProbeOutcome::Unchecked) passedOver << probeFailedMessage(e.path, probe.reason);
            }
            if (!refused.isEmpty()) break;
        }
    }
    for (const QString& m : passedOver) msgOk(m, owner);
    if (refused.isEmpty()) return true;
    msgOk(refused, owner);
    if (refusal) *refusal = refused;
    return false;
}

ToolSet exerciseTools()
{
    const QString dir = kExerciseServerFolder + QStringLiteral("\\");
    return {{kWebServerProcess, dir + kWebKillTool},
            {kFtpServerProcess, dir + kFtpKillTool},
            {kMailServerProcess, dir + kMailKillTool}};
}

ToolSet mockTestTools(const QString& level)
{
    // The mock bank spells the folder "sever".
    const QString dir = QStringLiteral("\\素材\\bk\\模拟测试\\题库\\") + level + QStringLiteral("\\network\\sever\\");
    return {{kWebServerProcess, dir + kWebKillTool}, {kFtpServerProcess, dir + kFtpKillTool}};
}

ToolSet missionTools()
{
    return {{kMissionFtpProcess, kMissionFtpFolder + QStringLiteral("\\") + kMissionFtpKillTool},
            {kMissionWebProcess, kMissionWebFolder + QStringLiteral("\\") + kMissionWebKillTool}};
}

void uStopPracticeServers(const ToolSet& tools)
{
    for (const ToolPair& t : tools) {
        if (!uIsProcessRunning(t.process)) continue;
        // By its path as a program, no shell and no wait; a tool that is
        // missing or does not start is passed over without a word.
        plat::ignoreFailure(plat::startProgram(plat::appPath(t.killTool), {}, plat::WindowStyle::Hidden) > 0,
                            "a kill tool that does not start is passed over");
    }
}

}  // namespace common
