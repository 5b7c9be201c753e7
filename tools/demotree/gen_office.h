#pragma once
// Office documents of the demo exercises, written by our own code: a ZIP
// archive with stored (uncompressed) entries and the few XML parts that a
// minimal Word, Excel or PowerPoint file needs.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace demotree::office {

struct ZipEntry {
    QString name;  // ASCII path inside the archive, "/" separated
    QByteArray data;
};

// CRC-32 (ISO 3309, as ZIP uses it).
quint32 crc32(const QByteArray& data);
// A ZIP archive of stored entries, in the given order, with a fixed time
// stamp so that the same content always gives the same bytes.
QByteArray storedZip(const QList<ZipEntry>& entries);

// A .docx: a centred bold title, then one paragraph per entry.
QByteArray wordDocument(const QString& title, const QStringList& paragraphs);
// A .xlsx with one sheet; each row's cells are separated by ",", cells that
// read as numbers are stored as numbers, the first row is bold.
QByteArray workbook(const QString& sheetName, const QStringList& rows);
// A .pptx (4:3); each slide is "title|line|line...".
QByteArray presentation(const QStringList& slides);

// Generator of the demo tree: the pristine question document of every demo
// exercise ("bk\<name>.<ext>", Office kinds), and for every exercise the
// working copy "题目文档\题目_<name>.<ext>" taken from the pristine one; for
// network exercises also the question text "题目内容\<name>.txt" as shipped
// (the template's text, which each opening rewrites).
bool generateExerciseDocuments(const QString& materialsFolder, QString* error);

}  // namespace demotree::office
