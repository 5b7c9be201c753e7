#pragma once
// The mock test's levels and kinds as data: what a paper of each level
// holds, which hidden labels and lists carry its drawn numbers, and where
// its copies go. Generation, pages, slots, restore and the close all read
// these two tables instead of literals of their own.
#include <QList>
#include <QString>
#include <QStringList>

namespace mocktest {

// One operation kind: its word (folder name in the bank and the working
// tree), document extension, mock exam folder on D: and the probe names the
// generation/close and the restore rename it to.
struct KindSpec {
    const char* kind;          // "word"
    const char* ext;           // "docx"
    const char* folder;        // bare name of the mock exam folder, "KSDOC"
    const char* probe;         // "D:\w改名" (generation and close)
    const char* restoreProbe;  // "D:\改名w" (restore)
    // Windows and network questions get their documents when their slot is
    // first opened, not at generation; their 题目内容_改 gets the filler.
    bool documentsPerSlot;

    QString examFolder() const;  // "D:\KSDOC"
};
const QList<KindSpec>& mockKinds();
const KindSpec* findKind(const QString& kind);

// The kinds of one level: how many questions, the first of their drawn-number
// labels (slot 01; slot k is firstLabel + k - 1) and the prefix of their
// hidden lists (prefix + "Combo2" style list, prefix + "Combo3" material list).
struct LevelKind {
    const char* kind;
    int count;
    int firstLabel;
    const char* prefix;

    int labelOfSlot(int slot) const { return firstLabel + slot - 1; }
    QString styleList() const { return QString::fromUtf8(prefix) + QStringLiteral("Combo2"); }
    QString materialList() const { return QString::fromUtf8(prefix) + QStringLiteral("Combo3"); }
};

struct LevelSpec {
    const char* level;   // "入门", also the bank folder and the caption word
    const char* button;  // "Command2"
    const char* noteLabel;
    const char* note;
    int choiceCount;  // choice questions in Label1..LabelK, slots 01..K
    QList<LevelKind> kinds;  // in the order they are made
    QStringList hiddenButtons;  // page and slot buttons the level does not use
    bool perSlotFolders;  // material in D:\KSxxx\NN (else flat in D:\KSxxx)
    bool copiesText;      // question texts copied at generation
    QStringList resetKinds;  // kind folders of the working tree rebuilt
    int progressMax;
    int finalWidth;  // of 题型区, twips

    const LevelKind* kind(const QString& kind) const;
    QString word() const { return QString::fromUtf8(level); }
};
const QList<LevelSpec>& mockLevels();
const LevelSpec* findLevel(const QString& level);

inline constexpr int kDrawnLabels = 51;  // Label1..Label51
inline constexpr int kMaxChoices = 20;

// Paths (platform form, under the program folder).
inline const QString kMockTree = QStringLiteral("\\素材\\bk\\模拟测试");
inline const QString kMockTreeProbe = QStringLiteral("\\素材\\bk\\模拟测试0");
QString mockTree();                                        // MT
QString mockBank(const QString& level);                   // BANK
QString slotName(int slot);                                // 1 -> "01"

}  // namespace mocktest
