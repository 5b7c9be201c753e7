#include "mocktest/paper/generation.h"

#include "common/draw.h"
#include "common/filler.h"
#include "common/listing.h"
#include "common/messages.h"
#include "common/probeleftover.h"
#include "mocktest/messages.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <vector>

namespace mocktest {

namespace fs = plat::fs;

namespace {

const QString kBs = QStringLiteral("\\");

// A failed step as one line of the report; nothing when it went well.
void note(QStringList& failures, const fs::Status& s)
{
    if (!s.ok()) failures << s.describe();
}

QString bankCountFolder(const QString& bank, const LevelKind& k)
{
    return bank + kBs + QString::fromUtf8(k.kind) + QStringLiteral("\\题目内容");
}

// Whether the numbered folder holds 1..n (with the extension) for its size n,
// at least `needed` of them; the problem in words otherwise.
QString checkNumbered(const QString& folder, const QString& ext, int needed)
{
    if (!fs::folderExists(folder)) return msg::missingFolder(folder);
    const int n = fs::listFiles(folder).size();
    if (n < needed)
        return msg::tooFewQuestions(folder, n, needed);
    for (int i = 1; i <= n; ++i)
        if (!fs::fileExists(folder + kBs + QString::number(i) + ext))
            return msg::numberMissing(folder, i);
    return {};
}

}  // namespace

QString pristineDocument(const QString& kind, const QString& ext, const QString& nn)
{
    return mockTree() + kBs + kind + QStringLiteral("\\bk\\") + kind + nn + '.' + ext;
}

QString workingDocument(const QString& kind, const QString& ext, const QString& nn)
{
    return mockTree() + kBs + kind + QStringLiteral("\\题目文档\\") + kind + QStringLiteral("_题目_") + nn + '.' + ext;
}

QString shownQuestionText(const QString& kind, const QString& nn)
{
    return mockTree() + kBs + kind + QStringLiteral("\\题目内容\\") + kind + nn + QStringLiteral(".txt");
}

QString pristineMaterial(const QString& kind, const QString& nn)
{
    return mockTree() + kBs + kind + QStringLiteral("\\素材\\考试素材\\") + nn;
}

QString checkPaperSources(const LevelSpec& level)
{
    const QString bank = mockBank(level.word());
    QStringList problems;
    const QString intro = bank + QStringLiteral("\\题型介绍.txt");
    if (!plat::readLines936(intro)) problems << msg::missingTypeIntroduction(intro);
    if (level.choiceCount > 0) {
        const QString p = checkNumbered(bank + QStringLiteral("\\选择题"), QStringLiteral(".txt"), level.choiceCount);
        if (!p.isEmpty()) problems << p;
    }
    for (const LevelKind& k : level.kinds) {
        const QString p = checkNumbered(bankCountFolder(bank, k), QStringLiteral(".txt"), k.count);
        if (!p.isEmpty()) problems << p;
        const KindSpec* ks = findKind(QString::fromUtf8(k.kind));
        const QString kindBank = bank + kBs + QString::fromUtf8(k.kind);
        if (ks->documentsPerSlot && !fs::fileExists(kindBank + QStringLiteral("\\占位.txt")))
            problems << msg::missingFile(kindBank + QStringLiteral("\\占位.txt"));
        // The slots write the personalised texts there.
        if (ks->documentsPerSlot || !level.copiesText) {
            if (!fs::folderExists(kindBank + QStringLiteral("\\题目内容_改")))
                problems << msg::missingFolder(kindBank + QStringLiteral("\\题目内容_改"));
        }
    }
    for (const QString& k : level.resetKinds) {
        const QString t = mockTree() + QStringLiteral("\\初始化\\") + k;
        if (!fs::folderExists(t)) problems << msg::missingTemplate(t);
    }
    if (problems.isEmpty()) return {};
    return msg::incompleteBank(level.word(), problems);
}

bool recoverProbeLeftovers(QWidget* owner)
{
    for (const KindSpec& k : mockKinds())
        if (!common::recoverProbeLeftover(k.examFolder(), QString::fromUtf8(k.probe), owner)) return false;
    return common::recoverProbeLeftover(mockTree(), plat::appPath(kMockTreeProbe), owner);
}

common::GuardList paperGuards()
{
    std::vector<common::WorkingFolder> folders;
    for (const KindSpec& k : mockKinds()) folders.push_back({k.folder, k.probe});
    common::GuardList g = common::workingFolderGuards(folders);
    g << common::GuardEntry::probe(mockTree(), plat::appPath(kMockTreeProbe), true,
                                   common::msg::kCloseOpenDocuments);
    return g;
}

QString typeIntroduction(const LevelSpec& level)
{
    QString text;
    for (const QString& line : plat::readLines936(mockBank(level.word()) + QStringLiteral("\\题型介绍.txt")).value_or(QStringList()))
        text += line + QStringLiteral("\r\n");
    return text;
}

QStringList uDrawMockChoiceQuestions(const LevelSpec& level, MockState& state)
{
    QStringList failures;
    const QString bank = mockBank(level.word()) + QStringLiteral("\\选择题");
    const common::Draw d = common::drawDistinctNumbers(fs::listFiles(bank).size(), level.choiceCount);
    if (!d.ok()) return {d.refusal};
    const QStringList numbers = common::numbersAsText(d.numbers);
    for (int i = 0; i < numbers.size(); ++i) state.drawn[i + 1] = numbers[i];
    const QString slotFolder = mockTree() + QStringLiteral("\\选择题");
    if (!fs::folderExists(slotFolder)) note(failures, fs::createFolder(slotFolder));
    // The previous paper's slot files are put aside rather than written
    // over: replacing a file that has reached the disk gives its blocks back
    // while the student waits. The copy goes in under a temporary name all
    // the same; a slot whose copy fails gets its earlier file back. What was
    // put aside goes during the progress steps (discardReplacedChoiceSlots).
    const QString aside = replacedChoiceSlots();
    discardReplacedChoiceSlots();  // what an interrupted run left there
    bool asideMade = false;
    for (int q = 1; q <= level.choiceCount; ++q) {
        const QString slot = slotFolder + kBs + slotName(q) + QStringLiteral(".txt");
        const QString put = aside + kBs + slotName(q) + QStringLiteral(".txt");
        // A read-only slot file stays where it is: the copy reports it.
        bool movedAside = false;
        if (fs::fileExists(slot) && !fs::isReadOnly(slot)) {
            if (!asideMade) asideMade = fs::createFolder(aside).ok();
            movedAside = asideMade && fs::rename(slot, put).ok();
        }
        const fs::Status copied = fs::copyFile(bank + kBs + state.drawn[q] + QStringLiteral(".txt"), slot);
        if (!copied.ok() && movedAside)
            fs::ignoreFailure(fs::rename(put, slot), "the failed copy is reported; the slot then lacks its question");
        note(failures, copied);
    }
    return failures;
}

QString replacedChoiceSlots() { return mockTree() + QStringLiteral("\\.选择题-已替换"); }

void discardReplacedChoiceSlots()
{
    if (!fs::folderExists(replacedChoiceSlots())) return;
    fs::ignoreFailure(fs::deleteFolder(replacedChoiceSlots(), true), "the next paper deletes what is left");
}

QStringList uResetMockWorkspace(const LevelSpec& level)
{
    QStringList failures;
    // An absent folder is what the deletion wants. Of the mock exam folders
    // only D:\KSDOC goes: the others keep what they hold and the kind steps
    // copy the new material into them. Read-only files the questions had the
    // student make go as well: the folders are the platform's.
    const auto remove = [&failures](const QString& path) {
        const fs::Status s = fs::deleteFolder(path, true);
        if (s == fs::Status::Failed) failures << s.describe();
    };
    remove(QStringLiteral("D:\\KSDOC"));
    for (const QString& k : level.resetKinds) remove(mockTree() + kBs + k);
    for (const QString& k : level.resetKinds)
        note(failures, fs::copyFolder(mockTree() + QStringLiteral("\\初始化\\") + k, mockTree() + kBs + k));
    return failures;
}

QStringList uPrepareKindQuestions(const LevelSpec& level, const LevelKind& lk, MockState& state)
{
    QStringList failures;
    const KindSpec& ks = *findKind(QString::fromUtf8(lk.kind));
    const QString kind = QString::fromUtf8(ks.kind);
    const QString ext = QString::fromUtf8(ks.ext);
    const QString bank = mockBank(level.word()) + kBs + kind;

    if (ks.documentsPerSlot &&
        !common::uResetFolderWithFiller(bank + QStringLiteral("\\题目内容_改"), bank + QStringLiteral("\\占位.txt")))
        failures << msg::notEmptied(bank + QStringLiteral("\\题目内容_改"));

    const common::Draw d = common::drawDistinctNumbers(fs::listFiles(bank + QStringLiteral("\\题目内容")).size(), lk.count);
    if (!d.ok()) return failures << d.refusal;
    const QStringList numbers = common::numbersAsText(d.numbers);
    for (int i = 0; i < numbers.size(); ++i) state.drawn[lk.firstLabel + i] = numbers[i];

    state.combos[lk.styleList()] = common::uListSubfolders(bank + QStringLiteral("\\样式\\"));
    state.combos[lk.materialList()] = common::uListSubfolders(bank + QStringLiteral("\\素材\\"));

    if (!ks.documentsPerSlot) {
        for (int slot = 1; slot <= lk.count; ++slot) {
            const QString nn = slotName(slot);
            const QString n = state.drawn[lk.labelOfSlot(slot)];
            if (level.copiesText)
                note(failures, fs::copyFile(bank + QStringLiteral("\\题目内容\\") + n + QStringLiteral(".txt"),
                                            shownQuestionText(kind, nn)));
            const QString doc = bank + QStringLiteral("\\题目文档\\") + n + '.' + ext;
            note(failures, fs::copyFile(doc, pristineDocument(kind, ext, nn)));
            note(failures, fs::copyFile(doc, workingDocument(kind, ext, nn)));
        }
    }

    const QString exam = ks.examFolder();
    if (level.perSlotFolders && !fs::folderExists(exam)) note(failures, fs::createFolder(exam));
    for (int slot = 1; slot <= lk.count; ++slot) {
        const QString nn = slotName(slot);
        const QString n = state.drawn[lk.labelOfSlot(slot)];
        if (!state.listed(lk.materialList(), n)) continue;
        const QString material = bank + QStringLiteral("\\素材\\") + n;
        note(failures, fs::copyFolder(material, level.perSlotFolders ? exam + kBs + nn : exam));
        note(failures, fs::copyFolder(material, pristineMaterial(kind, nn)));
    }
    if (level.perSlotFolders && fs::folderExists(exam) && fs::listSubFolders(exam).isEmpty()) {
        const fs::Status s = fs::deleteFolder(exam);
        if (s == fs::Status::Failed) failures << s.describe();
    }
    return failures;
}

QString incompletePaperMessage(const QStringList& failures)
{
    // One missing source fails each of its copies: it is named once.
    QStringList distinct = failures;
    distinct.removeDuplicates();
    QStringList shown = distinct.mid(0, 8);
    if (distinct.size() > shown.size()) shown << msg::moreFailures(distinct.size());
    return msg::incompletePaper(shown);
}

}  // namespace mocktest
