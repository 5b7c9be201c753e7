#pragma once
// Entering a task-project area: the task area and task mode files, the
// check for an earlier hand-in (free-practice mode) and the student's project
// archive, which one student at a time owns per area.
#include "common/probeleftover.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace forms {
class Form;
}

namespace tasks {

inline const QString kTaskTree = QStringLiteral("\\素材\\bk\\任务项目");
inline const QString kTaskTreeProbe = QStringLiteral("\\素材\\bk\\任务项目0");
// A path under the task tree beside the program.
QString taskTreePath(const QString& rel);

inline const QString kFreePractice = QStringLiteral("自由练习");

// The five areas of the task projects.
struct Area {
    const char* word;     // "word", also the name of the main window's button
    const char* pattern;  // names in the submitted folder that count as a hand-in
    bool foldersToo;      // the pattern lists sub-folders as well as files
};
const QList<Area>& areas();
const Area* findArea(const QString& word);

QString submittedFolder(const QString& area);    // \素材\bk\任务项目\已提交\<area>
QString archiveAreaFolder(const QString& area);  // \素材\bk\任务项目\提交\<area>
QString archiveTemplate(const QString& area);    // \素材\bk\任务项目\题库\提交初始化\<area>
QString projectArchive(const QString& area, const QString& key);
// Where a hand-in sets aside what an earlier, failed attempt staged for tasks
// it does not hand in: beside the project archive, hidden, so that it is
// neither packed nor taken for another student's archive. The task start
// goes on from it; the close deletes it with the archive area folder.
QString setAsideFolder(const QString& area, const QString& key);

// The packed archive of a student's hand-ins of an area (platform path).
QString packedArchive(const QString& area, const QString& key);

// Removes what a hand-in that was killed while packing left beside the
// student's packed archive: a temporary never counts as handed in.
void removeInterruptedHandIn(const QString& area, const QString& key);

// Whether the key names a hand-in record in a folder (platform path),
// letter case aside: a file the pattern ("*.txt") lists whose whole name is
// the key with the pattern's extension (so a temporary such as
// "<key>.packing.rar" never counts), or with `foldersToo` a folder whose
// base name (text before the first ".") is the key.
bool uIsSubmitted(const QString& folder, const QString& pattern, bool foldersToo, const QString& key);

// Makes sure the student owns the area's project archive: creates it from
// the template, keeps the student's own, or after a question replaces
// another student's. False when the student refused the replacement or the
// archive could not be made (the student has been told).
bool uPrepareProjectArchive(const QString& area, const QString& key, QWidget* owner);

// The task tree left under its probe name is recovered by the shared routine.
using common::recoverProbeLeftover;

// The click of one of the main window's five area buttons.
void uEnterTaskArea(const Area& area, forms::Form* mainWindow);
// Gives the main window's five area buttons their click.
void connectTaskAreaButtons(forms::Form* mainWindow);

}  // namespace tasks
