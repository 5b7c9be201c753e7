#pragma once
// Question texts: plain code-page-936 files shown line by line, and their
// personalised copies.
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class QPlainTextEdit;

namespace common {

using Placeholders = QList<QPair<QString, QString>>;  // placeholder, value; in order

// The whole text, every line followed by CR LF; nullopt when unreadable.
std::optional<QString> readQuestionText(const QString& path);
// Empties the box and shows the text (every line followed by a line break).
// An unreadable file leaves the box empty; returns whether it was read.
[[nodiscard]] bool showQuestionText(QPlainTextEdit* box, const QString& path);
// What the student is told when a question text cannot be read (path: a
// platform path, or several joined by line breaks).
QString questionTextUnreadableMessage(const QString& path);
// The same, but a text that cannot be read shows in the box what is missing
// and whom to ask, so the student never faces an empty question.
bool showQuestionTextOrNotice(QPlainTextEdit* box, const QString& path);
// Copies source to target line by line, replacing in each line every
// occurrence of each placeholder in list order; every line ends with CR LF.
// False (old target kept) when the source cannot be read or the target
// cannot be written.
[[nodiscard]] bool uPersonaliseQuestionText(const QString& source, const QString& target, const Placeholders& placeholders);

}  // namespace common
