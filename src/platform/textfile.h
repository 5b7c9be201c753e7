#pragma once
// Text files in the Simplified Chinese code page 936 (no byte-order mark).
//
// A line ends at CR LF or at a lone CR; a lone LF is part of the line. A last
// line without an end is still a line. Files are replaced whole and atomically
// (temporary file in the same folder, then rename), so a crash never leaves
// half a file behind.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace plat {

// Text to code page 936; nullopt when a character cannot be written in it.
std::optional<QByteArray> encode936(const QString& text);
// Code page 936 to text; undecodable bytes (a truncated trailing lead byte
// included) become U+FFFD, never a crash.
QString decode936(const QByteArray& bytes);
// True when every character of the text can be written in code page 936.
bool fitsCodePage936(const QString& text);

// Splits raw bytes into lines by the rules above (no line for an empty file).
QList<QByteArray> splitLines(const QByteArray& bytes);

// Hand-over files are a few short lines: a larger file is not one of them,
// and is never read whole.
inline constexpr qint64 kHandOverMaxBytes = 64 * 1024;

// Host-path level. Paths are platform paths (converted with toHost()).
// With maxBytes >= 0, a file larger than that is not read (false).
bool readWholeFile(const QString& path, QByteArray* out, qint64 maxBytes = -1);
// Whether the file exists and is larger than maxBytes.
bool fileLargerThan(const QString& path, qint64 maxBytes);
// What a replaced file must survive. Durable: a power cut right after the
// write leaves the new file (it and its folder are flushed to the disk before
// the call returns). Regenerated: a file made again whenever it is needed (a
// practice server's configuration, a request to the next window) is replaced
// as whole, but the call does not wait for the disk. AfterItsFiles: a file
// that names files written just before it, which are not flushed either (the
// exam's paper number names the paper copy and the working tree), is
// replaced as a whole, and the call does not wait for the disk. Flushed on
// its own, it would reach the disk ahead of the files it names, and after a
// power cut it could name files that never got there; unflushed, it goes
// with the system's write-back, which takes the older changes first.
enum class Durability { Durable, Regenerated, AfterItsFiles };
[[nodiscard]] bool writeWholeFileAtomic(const QString& path, const QByteArray& bytes,
                                        Durability durability = Durability::Durable);
// All lines of a code-page-936 file; nullopt when it cannot be read (or is
// larger than maxBytes, when that is given).
std::optional<QStringList> readLines936(const QString& path, qint64 maxBytes = -1);
// Replaces the file with the text followed by CR LF; false when the text does
// not fit code page 936 or the file cannot be written (nothing is changed).
[[nodiscard]] bool writeText936(const QString& path, const QString& text, Durability durability = Durability::Durable);

}  // namespace plat

// The three hand-over routines. `rel` is relative to the program folder, for
// example "\素材\bk\studentnumber.txt". The readers take a file larger than
// kHandOverMaxBytes for an unreadable one.
[[nodiscard]] bool uWriteTextFile(const QString& rel, const QString& text);
// Line n (from 1) without its line end, or nullopt when the file is shorter
// or cannot be read.
std::optional<QString> uReadTextLine(const QString& rel, int n);
// The last line, "" for an empty or unreadable file.
QString uReadLastLine(const QString& rel);
