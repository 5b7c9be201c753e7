#include "demotree/gen_shared.h"

#include "demotree/exercises.h"
#include "demotree/gen_office.h"
#include "demotree/gen_pictures.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace demotree::gen {

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList L(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* i : items) out << s(i);
    return out;
}

bool fail(QString* error, const QString& why)
{
    if (error) *error = why;
    return false;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return fail(error, QStringLiteral("cannot write ") + path);
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    const auto bytes = plat::encode936(text);
    if (!bytes) return fail(error, QStringLiteral("not code page 936: ") + path);
    return writeBytes(path, *bytes, error);
}

bool makeFolder(const QString& path, QString* error)
{
    return QDir().mkpath(path) || fail(error, QStringLiteral("cannot create ") + path);
}

bool writePictures(const QString& folder, const QList<DemoPicture>& pics, QString* error)
{
    for (const DemoPicture& pic : pics) {
        const QByteArray jpg = pictures::jpeg(pic);
        if (jpg.isEmpty()) return fail(error, QStringLiteral("cannot draw ") + pic.file);
        if (!writeBytes(folder + '/' + pic.file, jpg, error)) return false;
    }
    return true;
}

QByteArray officeDocument(const QString& kind, const QStringList& document, QString* ext)
{
    if (kind == QLatin1String("word")) {
        *ext = QStringLiteral("docx");
        return office::wordDocument(document.value(0), document.mid(1));
    }
    if (kind == QLatin1String("excel")) {
        *ext = QStringLiteral("xlsx");
        return office::workbook(document.value(0), document.mid(1));
    }
    *ext = QStringLiteral("pptx");
    return office::presentation(document);
}

}  // namespace demotree::gen
