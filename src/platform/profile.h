#pragma once
// Profile strings: INI files of "[section]" headers and "key=value" lines in
// code page 936, written one entry at a time.
//
// A write replaces the value of an existing key in place, adds a missing key
// at the end of its section and a missing section at the end of the file;
// every other line keeps its bytes. Section and key names match without
// regard to letter case and surrounding blanks. A missing file is created.
#include <QString>

namespace plat {

// Writes one entry; false when a text does not fit code page 936 or the file
// cannot be read or written (the file is then unchanged).
bool writeProfileString(const QString& section, const QString& key, const QString& value, const QString& path);

}  // namespace plat
