#pragma once
// Small helpers the table-driven generators of the demo tree share: UTF-8
// literals as texts and lists, files written whole (bytes, or lines in code
// page 936 with CR LF), folders, drawn pictures and the Office documents
// built from their table form. Each returns false with *error set (when
// given) on failure.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace demotree {

struct DemoPicture;

namespace gen {

QString s(const char* utf8);
QStringList L(std::initializer_list<const char*> items);

// Sets *error (when given) and returns false.
bool fail(QString* error, const QString& why);

// The file replaced by the bytes; missing parent folders are made.
bool writeBytes(const QString& path, const QByteArray& bytes, QString* error);
// The lines in code page 936, each ended by CR LF.
bool writeLines(const QString& path, const QStringList& lines, QString* error);
bool makeFolder(const QString& path, QString* error);
// Each picture drawn and saved as folder/<its file>.
bool writePictures(const QString& folder, const QList<DemoPicture>& pictures, QString* error);

// An Office document from its table form by kind: "word" (title, then
// paragraphs) gives a .docx, "excel" (sheet name, then rows of ","
// separated cells) a .xlsx, "ppt" (one "title|line|..." entry per slide) a
// .pptx. *ext gets the extension without the point.
QByteArray officeDocument(const QString& kind, const QStringList& document, QString* ext);

}  // namespace gen
}  // namespace demotree
