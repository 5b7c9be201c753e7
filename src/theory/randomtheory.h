#pragma once
// 理论题随机练习窗格: random theory practice. Six different questions are
// drawn from the theory bank and copied into the batch folder; each can be
// shown, answered on the answer card and, once all six are answered,
// compared by the student with the reference answers.
#include "forms/form.h"

#include <QString>
#include <QStringList>

namespace theory {

inline const QString kTheoryBank = QStringLiteral("\\素材\\bk\\题库\\理论题");
inline const QString kBatchFolder = QStringLiteral("\\素材\\bk\\理论题随机抽题测试\\理论题");
inline constexpr int kBatchSize = 6;

// The bank numbers that are questions: files named "1.txt", "2.txt", ...
// (no leading zero) among the given file names, in ascending order.
QList<int> questionNumbers(const QStringList& fileNames);

// What the window remembers between its handlers.
struct RandomTheoryState {
    QString 学号 = QStringLiteral("学号");  // hidden label: the student key
    // Label1 to Label6: the bank numbers of the batch, position K in Label K
    // ("" when no batch could be drawn).
    QStringList drawn = QStringList(kBatchSize, QString());
    QStringList bankFiles;  // File1: the file names of the theory bank
};

class RandomTheoryWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "理论题随机练习窗格";
    RandomTheoryWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Handlers (public for tests).
    void nextBatch();
    void showQuestion(int n);  // 1 to 6
    void submit();

    RandomTheoryState state;

private:
    void clearAll();
    bool drawBatch();
    void answeringState();
    // Whether all six answer boxes hold text; tells the student when not.
    bool uCheckAllAnswered();
    QString batchCopy(int k) const;
};

}  // namespace theory
