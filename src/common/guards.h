#pragma once
// Workspace guards: before a working folder is emptied, restored or deleted,
// a window runs its guard list (no file-manager window on the folder, no file
// inside it held open) and refuses the step with a message when one fails.
// Also the stopping of practice servers by their kill tools.
#include <QList>
#include <QString>

class QWidget;

namespace common {

struct GuardEntry {
    enum class Kind { ExplorerWindow, InUseProbe };
    Kind kind = Kind::ExplorerWindow;
    QString folderName;  // ExplorerWindow: the bare folder name
    QString path;        // InUseProbe: platform path of the folder or file
    QString probeName;   // InUseProbe: the temporary name it is renamed to
    bool renameBack = true;
    QString message;  // shown (OK box) when the entry fails

    static GuardEntry explorer(const QString& folderName, const QString& message);
    static GuardEntry probe(const QString& path, const QString& probeName, bool renameBack, const QString& message);
};
using GuardList = QList<GuardEntry>;

// The two message families ("请关闭" + name + "文件夹及其子文件夹 >_<" and
// "请关闭已经打开的" + name + "文件夹中的文件 >_<").
QString explorerOpenMessage(const QString& folderName);
QString filesOpenMessage(const QString& folderName);

// True when a file-manager window shows a folder of this bare name (the
// whole title, letter case aside).
bool uIsFolderOpenInExplorer(const QString& folderName);
// True when something holds the path (in use); false when free or absent.
bool uProbeInUse(const QString& path, const QString& probeName, bool renameBack);
// Runs the list in order; at the first failing entry shows its message and
// returns false.
bool uCheckFoldersFree(const GuardList& list, QWidget* owner = nullptr);

// Tool sets: ordered pairs of a server's process name and the kill tool that
// stops it (kill tool as a path relative to the program folder).
struct ToolPair {
    QString process;
    QString killTool;
};
using ToolSet = QList<ToolPair>;

ToolSet exerciseTools();                         // web, FTP, mail
ToolSet mockTestTools(const QString& level);     // web, FTP of a mock level
ToolSet missionTools();                          // mission FTP, mission web

// Starts, hidden, the kill tool of each server of the set that runs; does
// not wait. A tool that is missing or cannot start is passed over silently.
void uStopPracticeServers(const ToolSet& tools);

}  // namespace common
