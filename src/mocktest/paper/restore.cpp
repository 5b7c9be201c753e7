#include "mocktest/paper/restore.h"

#include "common/guards.h"
#include "common/messages.h"
#include "common/probeleftover.h"
#include "mocktest/messages.h"
#include "mocktest/paper/generation.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"

namespace mocktest {

namespace fs = plat::fs;

MockRestore restoreMockQuestion(const MockState& s, QWidget* owner)
{
    const KindSpec* ks = findKind(s.操作题题型);
    const LevelSpec* level = findLevel(s.测试级别);
    const LevelKind* lk = level && ks ? level->kind(s.操作题题型) : nullptr;
    if (!lk) return MockRestore::Refused;
    const QString kind = s.操作题题型;
    const QString nn = s.序号;
    const QString exam = ks->examFolder();
    const QString name = QString::fromUtf8(ks->folder);

    // The network folder is guarded like the others (its own probe name). A
    // folder an interrupted restore left under the probe name comes back
    // first, or is named.
    const QString probe = *ks->restoreProbe ? QString::fromUtf8(ks->restoreProbe) : QStringLiteral("D:\\改名n");
    if (!common::recoverProbeLeftover(exam, probe, owner)) return MockRestore::Refused;
    // The working document: probed under its slot name like every other
    // guarded path (a file held open or a live office lock refuses; a
    // rename alone would pass a document open in an editor), and brought
    // back when an interrupted probe left it there.
    const QString W = workingDocument(kind, s.扩展名, nn);
    const QString P = mockTree() + QStringLiteral("\\") + kind + QStringLiteral("\\题目文档\\") + kind + nn + '.' + s.扩展名;
    const QString B = pristineDocument(kind, s.扩展名, nn);
    if (!common::uCheckFoldersFree({common::GuardEntry::probe(exam, probe, true, common::filesOpenMessage(name)),
                                    common::GuardEntry::explorer(name, common::explorerOpenMessage(name)),
                                    common::GuardEntry::probe(W, P, true, common::msg::kCloseDocument)},
                                   owner))
        return MockRestore::Refused;

    if (!msgYesNo(common::msg::kAskRestore, owner)) return MockRestore::Declined;

    // Every source before anything is deleted.
    const QString M = pristineMaterial(kind, nn);
    const int slot = nn.toInt();
    const QString number = slot >= 1 && slot <= lk->count ? s.drawn[lk->labelOfSlot(slot)] : QString();
    const bool hasMaterial = s.listed(lk->materialList(), number);
    if (!fs::fileExists(B) || (hasMaterial && !fs::folderExists(M))) {
        msgOk(msg::kRestoreSourceMissing, owner);
        return MockRestore::SourceMissing;
    }

    QStringList failures;
    const QString target = level->perSlotFolders ? exam + QStringLiteral("\\") + nn : exam;
    const fs::Status removed = fs::deleteFolder(target, true);
    if (removed == fs::Status::Failed) failures << removed.describe();
    if (failures.isEmpty() && fs::folderExists(M)) {
        if (level->perSlotFolders && !fs::folderExists(exam)) {
            const fs::Status made = fs::createFolder(exam);
            if (!made.ok()) failures << made.describe();
        }
        const fs::Status copied = fs::copyFolder(M, target);
        if (!copied.ok()) failures << copied.describe();
    }
    // The fresh document replaces the old one in one step.
    const fs::Status doc = fs::copyFile(B, W);
    if (!doc.ok()) failures << doc.describe();
    if (!failures.isEmpty()) {
        msgOk(msg::restoreIncomplete(failures), owner);
        return MockRestore::Failed;
    }
    msgOk(common::msg::kRestored, owner);
    return MockRestore::Restored;
}

}  // namespace mocktest
