#pragma once
// The first comma-separated field of a text file (code page 936), as the
// module summaries, module names and explanations are read.
#include <QString>
#include <optional>

namespace common {

// Leading blanks are skipped. A field that begins with a double quote runs
// to the next double quote and is taken without the quotes (it may hold
// commas); any other field ends at the first single-byte comma or at the end
// of line 1. A full-width comma is ordinary text. An empty line 1 gives "".
// nullopt for an empty file or one that cannot be read: the caller's label
// keeps its caption.
std::optional<QString> readFirstField(const QString& path);

// The same rule applied to text already read (for tests and callers that
// hold the text).
QString firstFieldOf(const QString& text);

}  // namespace common
