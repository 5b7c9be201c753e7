#pragma once
// Workspace guards: before a working folder is emptied, restored or deleted,
// a window runs its guard list (no file-manager window on the folder, no file
// inside it held open) and refuses the step with a message when one fails.
// Also the stopping of practice servers by their kill tools.
#include <QList>
#include <QString>
#include <span>

class QWidget;

namespace common {

struct GuardEntry {
    enum class Kind { ExplorerWindow, InUseProbe };
    Kind kind = Kind::ExplorerWindow;
    QString folderName;  // ExplorerWindow: the bare folder name
    // InUseProbe: platform path of the folder or file. ExplorerWindow: the
    // folder itself ("D:\" + the name unless given), whose sub-folders
    // count as well.
    QString path;
    QString probeName;   // InUseProbe: the temporary name it is renamed to
    bool renameBack = true;
    QString message;  // shown (OK box) when the entry fails

    // `folder`: where the folder lies when not at "D:\" + its name.
    static GuardEntry explorer(const QString& folderName, const QString& message, const QString& folder = {});
    static GuardEntry probe(const QString& path, const QString& probeName, bool renameBack, const QString& message);
};
using GuardList = QList<GuardEntry>;

// The two message families ("请关闭" + name + "文件夹及其子文件夹 >_<" and
// "请关闭已经打开的" + name + "文件夹中的文件 >_<").
QString explorerOpenMessage(const QString& folderName);
QString filesOpenMessage(const QString& folderName);

// A working folder "D:\<name>", with the name its in-use probe renames it to.
struct WorkingFolder {
    const char* name;
    const char* probe;
};
// The guards of a window's working folders before it deletes them: no
// file-manager window on any of them, then no file held open in any of them
// (in table order each time; the messages of the two families).
GuardList workingFolderGuards(std::span<const WorkingFolder> folders);

// True when a file-manager window shows a folder of this bare name (the
// whole title, letter case aside).
bool uIsFolderOpenInExplorer(const QString& folderName);
// What an in-use probe found: Free (free or absent), InUse (a file held
// open), or Unchecked: the probe itself failed for another reason (no
// permission to rename, a leftover under the probe name), which `reason`
// gives as the status describes it.
struct ProbeOutcome {
    enum Result { Free, InUse, Unchecked };
    Result result = Free;
    QString reason;
};
ProbeOutcome probePath(const QString& path, const QString& probeName, bool renameBack);
// True when the path cannot be taken for free (in use, or the probe failed);
// false when free or absent.
bool uProbeInUse(const QString& path, const QString& probeName, bool renameBack);

// The message for a probe that could not check its path.
QString probeFailedMessage(const QString& path, const QString& reason);

// What a guard list does with a probe that failed for a reason other than
// a file held open: refuse like an open file, or say the reason and go on
// (a window being closed must not be kept open by a folder it cannot
// rename).
enum class UncheckedProbe { Refuse, GoOn };

// Runs the list in order; at the first failing entry shows its message and
// returns false (the message also goes to `refusal` when given). Before a
// probe, leftovers under its path's probe names are put back or kept aside
// and named (see probeleftover.h); only one that cannot be moved counts as
// a failing entry, and not for a window being closed (GoOn).
bool uCheckFoldersFree(const GuardList& list, QWidget* owner = nullptr, QString* refusal = nullptr,
                       UncheckedProbe unchecked = UncheckedProbe::Refuse);

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
