#include "startup/cleanup.h"

#include "common/guards.h"
#include "common/ipv4.h"
#include "platform/filemanager.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/proclist.h"
#include "startup/messages.h"

namespace startup {

namespace {
constexpr const char* kFolders[] = {
    "DocxNew",        "HTML",           "Internet",       "PptxNew",        "Website",        "win",
    "windows",        "winsys",         "WWW",            "xlsxNew",        "实训素材",       "邮件合并",
    "综合实训excel01", "综合实训excel02", "综合实训excel03", "综合实训excel04", "综合实训excel05", "综合实训excel06",
    "综合实训excel07", "综合实训excel08", "综合实训ppt01",   "综合实训ppt02",   "综合实训ppt03",   "综合实训ppt04",
    "综合实训ppt05",   "综合实训ppt06",   "综合实训ppt07",   "综合实训ppt08",   "综合实训ppt09",   "综合实训word01",
    "综合实训word02",  "综合实训word03",  "综合实训word04",  "综合实训word05",  "综合实训word06",
};
}  // namespace

const QStringList& cleanupFolders()
{
    static const QStringList list = [] {
        QStringList l;
        for (const char* f : kFolders) l << QString::fromUtf8(f);
        return l;
    }();
    return list;
}

CleanResult uCleanWorkspace(QWidget* owner)
{
    CleanResult result;
    QString refusal;
    {
        // The whole round is one guard list: one connection to the display
        // for its window checks, the open files of all processes read once.
        const plat::FileManagerWindowChecks windows;
        const plat::OpenFilesReading reading;
        for (const QString& name : cleanupFolders()) {
            const QString path = QStringLiteral("D:\\") + name;
            const QString probe = path + QStringLiteral("0000");
            if (common::uIsFolderOpenInExplorer(name)) {
                refusal = msg::cleanupFolderShown(name);
                result.stoppedAt = name;
                break;
            }
            if (common::uProbeInUse(path, probe, false)) {
                refusal = msg::cleanupFolderInUse(name);
                result.stoppedAt = name;
                break;
            }
            // Also when the folder was absent: a folder left under the probe name
            // by an earlier run goes now. Read-only files stay, with their folder.
            plat::fs::ignoreFailure(plat::fs::deleteFolder(probe, false), "what stays is listed below");
            if (plat::fs::listedExists(probe)) result.leftBehind << probe;
        }
    }
    if (!refusal.isEmpty()) {
        msgOk(refusal, owner);
        return result;
    }
    common::uStopPracticeServers(common::mockTestTools(QStringLiteral("入门")));
    if (plat::fs::listedExists(common::kIpTempFile) && plat::fs::fileExists(common::kIpTempFile))
        plat::fs::ignoreFailure(plat::fs::deleteFile(common::kIpTempFile), "a leftover report is replaced by the next lookup");
    result.completed = true;
    return result;
}

}  // namespace startup
