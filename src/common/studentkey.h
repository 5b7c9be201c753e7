#pragma once
// The student key (number followed by name, line 1 of the identity file)
// names folders and files: the project archive, packed archives, marks and
// hand-in files. Every path built from a key goes through here.
#include <QString>
#include <optional>

namespace common {

// Longest key, in bytes of UTF-8 (the widest way a file system stores a
// name): later names add an area, a number and an extension to it, and must
// stay below the 255 bytes a file name may have.
inline constexpr int kMaxStudentKeyBytes = 150;

// True when the key can name a file or folder inside its parent and nothing
// else: not empty, not "." or "..", no leading or trailing dot or blank, no
// separator, drive colon, wildcard, quote, angle bracket, bar or control
// character, at most kMaxStudentKeyBytes, and writable in code page 936.
bool isSafeStudentKey(const QString& key);

// Why a key is refused at login (a message for the student), "" when safe.
QString studentKeyRefusal(const QString& key);

// folder + "\" + key + suffix (platform path), or nullopt when the key is not
// safe or the suffix would lead out of the folder: the result always names
// an entry directly inside `folder`.
std::optional<QString> pathUnderFolder(const QString& folder, const QString& key, const QString& suffix = QString());

}  // namespace common
