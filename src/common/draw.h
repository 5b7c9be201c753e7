#pragma once
// Drawing questions from a bank numbered 1 to n: k different numbers, in the
// order they were drawn. Windows keep the numbers as decimal text in their
// hidden labels (numbersAsText).
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QWidget;

namespace common {

// The outcome of a draw: the numbers, or the reason there are none.
struct Draw {
    QList<int> numbers;  // 1-based bank numbers, pairwise different
    QString refusal;     // "" when the draw was made
    bool ok() const { return refusal.isEmpty(); }
};

// Draws `count` different numbers from 1..bankSize (a partial shuffle, so it
// always ends). A bank with no question, or with fewer questions than
// `count`, is refused with a Chinese message and nothing is drawn.
Draw drawDistinctNumbers(int bankSize, int count);

// The same, telling the student the refusal in a message box; the list is
// empty then.
QList<int> uDrawDistinctNumbers(int bankSize, int count, QWidget* owner = nullptr);

// "7", "12", ...: the form the hidden labels keep.
QStringList numbersAsText(const QList<int>& numbers);

// The refusal texts.
QString emptyBankMessage();
QString smallBankMessage(int bankSize, int count);

// The random source: a uniform whole number in [0, bound) for bound >= 1.
// By default a generator seeded once from the system's entropy and the
// high-resolution clock. Tests install their own; nullptr goes back to it.
using RandomSource = std::function<std::uint32_t(std::uint32_t bound)>;
void setRandomSourceForTests(RandomSource source);
void resetRandomSource();

}  // namespace common
