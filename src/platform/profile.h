#pragma once
// Profile strings: INI files of "[section]" headers and "key=value" lines in
// code page 936, written one entry at a time or many in one pass.
//
// A write replaces the value of an existing key in place, adds a missing key
// at the end of its section and a missing section at the end of the file;
// every other line keeps its bytes. Section and key names match without
// regard to letter case and surrounding blanks. A missing file is created.
#include "platform/textfile.h"

#include <QList>
#include <QString>

#include <optional>

namespace plat {

struct ProfileString {
    QString section;
    QString key;
    QString value;
};

// Writes one entry; false when a text does not fit code page 936 or the file
// cannot be read or written (the file is then unchanged).
[[nodiscard]] bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& path);

// Writes the entries in order, as one by one would, with one read and one
// write of the file. An entry whose text does not fit code page 936 is left
// out (the others are written) and makes the result false; false also when
// the file cannot be read or written (it is then unchanged).
// A practice server's configuration, made again at each set-up, is written
// with Durability::Regenerated.
[[nodiscard]] bool writeProfileStrings(const QList<ProfileString>& entries, const QString& path,
                                       Durability durability = Durability::Durable);

// The value of the first entry of the key in a section of that name
// (names matched as a write matches them; blanks around the value dropped);
// nullopt when the file cannot be read or has no such entry.
std::optional<QString> readProfileString(const QString& section, const QString& key, const QString& path);

// How many times the profile writer has written a whole file since the
// program started (for tests).
int profileFileWrites();

}  // namespace plat
