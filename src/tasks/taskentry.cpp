#include "tasks/taskentry.h"

#include "common/handin.h"
#include "common/handover.h"
#include "common/listing.h"
#include "common/navigation.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "tasks/messages.h"
#include "tasks/taskkey.h"

#include <QDir>

namespace tasks {

QString taskTreePath(const QString& rel) { return plat::appPath(kTaskTree + rel); }

namespace fs = plat::fs;

const QList<Area>& areas()
{
    static const QList<Area> list = {
        {"excel", "*.txt", false}, {"network", "*.txt", false}, {"ppt", "*.txt", false},
        {"windows", "*.rar", true}, {"word", "*.txt", false},
    };
    return list;
}

const Area* findArea(const QString& word)
{
    for (const Area& a : areas())
        if (word == QLatin1String(a.word)) return &a;
    return nullptr;
}

QString submittedFolder(const QString& area) { return plat::appPath(kTaskTree + QStringLiteral("\\已提交\\") + area); }
QString archiveAreaFolder(const QString& area) { return plat::appPath(kTaskTree + QStringLiteral("\\提交\\") + area); }
QString archiveTemplate(const QString& area)
{
    return plat::appPath(kTaskTree + QStringLiteral("\\题库\\提交初始化\\") + area);
}
QString projectArchive(const QString& area, const QString& key) { return archiveAreaFolder(area) + '\\' + key; }
QString setAsideFolder(const QString& area, const QString& key)
{
    return archiveAreaFolder(area) + QStringLiteral("\\.") + key + QStringLiteral(".未提交");
}

QString packedArchive(const QString& area, const QString& key)
{
    return submittedFolder(area) + '\\' + key + QStringLiteral(".rar");
}

void removeInterruptedHandIn(const QString& area, const QString& key)
{
    if (!key.isEmpty()) common::removeInterruptedPacking(packedArchive(area, key));
}

bool uIsSubmitted(const QString& folder, const QString& pattern, bool foldersToo, const QString& key)
{
    if (key.isEmpty()) return false;
    const QString extension = pattern.startsWith('*') ? pattern.mid(1) : QString();
    for (const QString& name : fs::listFiles(folder, pattern))
        if (name.compare(key + extension, Qt::CaseInsensitive) == 0) return true;
    if (!foldersToo) return false;
    for (const QString& name : fs::listSubFolders(folder))
        if (QDir::match(pattern, name) && name.section('.', 0, 0).compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

namespace {

// A fresh archive A from the template T (the parent folder made as needed).
// One that cannot be made whole (a full disk) is taken back and the student
// is told: the next entry makes it again instead of taking the part for the
// student's archive.
bool makeArchive(const QString& area, const QString& key, QWidget* owner)
{
    const fs::Status s = fs::makeFolderFrom(archiveTemplate(area), projectArchive(area, key));
    if (!s.ok()) msgOk(msg::archiveNotMade(s.describe()), owner);
    return s.ok();
}

}  // namespace

bool uPrepareProjectArchive(const QString& area, const QString& key, QWidget* owner)
{
    const QString p = archiveAreaFolder(area);
    const QStringList subs = fs::listSubFolders(p);
    if (subs.isEmpty()) {
        if (!makeArchive(area, key, owner)) return false;
        msgOk(msg::kArchiveCreated, owner);
        return true;
    }
    if (subs.first() == key) return true;
    if (!msgYesNo(msg::askReplaceArchive(subs.first()), owner)) return false;
    fs::ignoreFailure(fs::deleteFolder(p, true), "what cannot be deleted stays beside the new archive");
    if (!makeArchive(area, key, owner)) return false;
    msgOk(msg::kArchiveReplaced, owner);
    return true;
}

void uEnterTaskArea(const Area& area, forms::Form* mainWindow)
{
    const QString word = QString::fromUtf8(area.word);
    const QString key = uReadTextLine(common::kIdentityFile, 1).value_or(QString());
    if (!keyNamesFolder(key)) {
        msgOk(badKeyMessage(key), mainWindow);
        return;
    }
    if (!recoverProbeLeftover(plat::appPath(kTaskTree), plat::appPath(kTaskTreeProbe), mainWindow)) return;
    removeInterruptedHandIn(word, key);
    // Written once the task tree is back in place. The task window reads
    // both back: a failed write would show it an earlier visit's area or
    // mode, so it is not opened then.
    if (!common::writeRequest(common::kTaskModeFile, {QString()}, mainWindow) ||
        !common::writeRequest(common::kTaskAreaFile, {word}, mainWindow))
        return;
    if (uIsSubmitted(submittedFolder(word), QString::fromUtf8(area.pattern), area.foldersToo, key)) {
        msgOk(msg::alreadyHandedIn(key), mainWindow);
        if (!common::writeRequest(common::kTaskModeFile, {kFreePractice}, mainWindow)) return;
    }
    if (!uPrepareProjectArchive(word, key, mainWindow)) return;
    forms::hide(mainWindow->formName());
    forms::show(QStringLiteral("任务项目窗格"));
}

void connectTaskAreaButtons(forms::Form* mainWindow)
{
    for (const Area& a : areas())
        mainWindow->onClick(QString::fromUtf8(a.word), [mainWindow, &a] { uEnterTaskArea(a, mainWindow); });
}

}  // namespace tasks
