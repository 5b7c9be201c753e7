#pragma once
// What 模拟测试窗格 remembers: the hidden labels that hold the paper's level,
// the drawn numbers and the current question, the hidden lists, and how the
// paper's generation went. A label whose caption no code has set holds its
// own name (or, for the drawn-number labels, its design caption: its own
// number in two digits).
#include "mocktest/paper/leveltable.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>

namespace mocktest {

struct MockState {
    QString 学号 = QStringLiteral("学号");
    QString 单体与否 = QStringLiteral("单体与否");
    QString 测试级别 = QStringLiteral("测试级别");
    QString 操作题题型 = QStringLiteral("操作题题型");
    QString 扩展名 = QStringLiteral("扩展名");
    QString 素材文件夹 = QStringLiteral("素材文件夹");
    QString 序号 = QStringLiteral("序号");
    QString nIP = QStringLiteral("nIP");

    // The drawn bank numbers, one per drawn-number label Label1..Label51
    // (index 0 unused).
    std::array<QString, kDrawnLabels + 1> drawn;
    // Style and material lists by name ("woCombo2", "wCombo3", ...).
    QMap<QString, QStringList> combos;
    // Windows and network slots ("windows01") whose fresh documents were
    // copied for this paper: later clicks only show the question.
    QSet<QString> slotsWithDocuments;

    // The paper: a level was chosen (a window makes one paper at most), the
    // generation ran to its end, and what it could not copy or delete.
    bool levelChosen = false;
    bool paperMade = false;
    QStringList paperFailures;

    MockState()
    {
        for (int i = 1; i <= kDrawnLabels; ++i) drawn[i] = slotName(i);
    }
    QStringList combo(const QString& name) const { return combos.value(name); }
    bool listed(const QString& list, const QString& number) const;
};

}  // namespace mocktest
