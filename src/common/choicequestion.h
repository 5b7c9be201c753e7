#pragma once
// Choice question files and their display.
//
// A choice question file is code-page-936 text: line 1 the stem, lines 2 to 5
// the options A to D, each shown exactly as stored. Files of the theory bank
// also have line 6 (not read) and line 7 (the reference answer). Lines end at
// CR LF or a lone CR; a lone LF stays inside its line.
#include <QString>
#include <QStringList>
#include <array>

class QWidget;

namespace common {

inline constexpr int kChoiceLines = 5;        // stem and four options
inline constexpr int kReferenceAnswerLine = 7;

// What a file gave: its first `wanted` lines (fewer when it is short, none
// when it is missing or unreadable) and, when it gave fewer than wanted, the
// reason as a message for the student. The message names the file by
// `shownName` when given (a working copy is reported under the name of the
// file it was copied from), else by its own name.
struct ChoiceFile {
    QStringList lines;
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};
ChoiceFile readChoiceFile(const QString& path, int wanted = kChoiceLines, const QString& shownName = {});

// Line k (from 1) of a choice question file; "" when the file is shorter or
// cannot be read.
QString readChoiceLine(const QString& path, int k);

// The labels a question is shown in.
struct ChoiceLabels {
    QWidget* stem = nullptr;
    std::array<QWidget*, 4> options{};  // A, B, C, D
};

// How the options stand below the stem (twips): option A's Top is the stem's
// Top + Height + gap, each further option `step` below the one before.
// `width` > 0 also sets the option labels' width (0 keeps it).
struct ChoiceLayout {
    int gap = 120;
    int step = 480;
    int width = 0;
};

// Sets the stem and option captions from the file. A line the file lacks
// leaves its label empty, so no text of an earlier question stays; returns
// the failure ("" when all five lines were there), naming the file as
// readChoiceFile does.
QString fillChoiceLabels(const QString& path, const ChoiceLabels& labels, const QString& shownName = {});

// Stacks the options below the stem as it stands now.
void stackOptions(const ChoiceLabels& labels, const ChoiceLayout& layout);

// Fills the labels from the file, then stacks the options. Returns the
// failure for the caller to report ("" when the question is whole).
QString uShowChoiceQuestion(const QString& path, const ChoiceLabels& labels, const ChoiceLayout& layout,
                            const QString& shownName = {});

}  // namespace common
