#include "common/guards.h"

#include "platform/msgbox.h"

namespace common {

GuardEntry GuardEntry::explorer(const QString& folderName, const QString& message)
{
    GuardEntry e;
    e.kind = Kind::ExplorerWindow;
    e.folderName = folderName;
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

// TODO(guards): the real checks come with the workspace guards.
bool uIsFolderOpenInExplorer(const QString&) { return false; }
bool uProbeInUse(const QString&, const QString&, bool) { return false; }

bool uCheckFoldersFree(const GuardList& list, QWidget* owner)
{
    for (const GuardEntry& e : list) {
        const bool failed = e.kind == GuardEntry::Kind::ExplorerWindow ? uIsFolderOpenInExplorer(e.folderName)
                                                                        : uProbeInUse(e.path, e.probeName, e.renameBack);
        if (failed) {
            uMsgOk(e.message, owner);
            return false;
        }
    }
    return true;
}

ToolSet exerciseTools() { return {}; }
ToolSet mockTestTools(const QString&) { return {}; }
ToolSet missionTools() { return {}; }
void uStopPracticeServers(const ToolSet&) {}

}  // namespace common
