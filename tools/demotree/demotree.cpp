#include "demotree/demotree.h"

#include "platform/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>

namespace demotree {
namespace {

std::map<QString, Generator>& generators()
{
    static std::map<QString, Generator> g;
    return g;
}

bool fail(QString* error, const QString& why)
{
    if (error) *error = why;
    return false;
}

}  // namespace

QString sourceFolder() { return QStringLiteral(CORVANTH_DEMO_DATA); }

bool isTextFile(const QString& fileName)
{
    static const QStringList ext = {QStringLiteral("txt"), QStringLiteral("ini"), QStringLiteral("win"),
                                    QStringLiteral("net"), QStringLiteral("xml"), QStringLiteral("htm"),
                                    QStringLiteral("html"), QStringLiteral("csv")};
    return ext.contains(QFileInfo(fileName).suffix().toLower());
}

void addGenerator(const QString& name, Generator g) { generators()[name] = std::move(g); }

bool build(const QString& programFolder, QString* error)
{
    const QDir src(sourceFolder());
    if (!src.exists()) return fail(error, QStringLiteral("demo sources not found: ") + sourceFolder());
    const QString root = QDir(programFolder).absolutePath();
    if (!QDir().mkpath(root)) return fail(error, QStringLiteral("cannot create ") + root);

    QDirIterator it(src.absolutePath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        const QString rel = src.relativeFilePath(fi.absoluteFilePath());
        const QString target = root + '/' + rel;
        if (fi.isDir()) {
            if (!QDir().mkpath(target)) return fail(error, QStringLiteral("cannot create ") + target);
            continue;
        }
        if (fi.fileName() == QStringLiteral(".keep")) continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (isTextFile(fi.fileName())) {
            QFile in(fi.absoluteFilePath());
            if (!in.open(QIODevice::ReadOnly)) return fail(error, QStringLiteral("cannot read ") + rel);
            QString text = QString::fromUtf8(in.readAll());
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            text.replace('\n', QStringLiteral("\r\n"));
            const auto bytes = plat::encode936(text);
            if (!bytes) return fail(error, QStringLiteral("not code page 936: ") + rel);
            if (!plat::writeWholeFileAtomic(target, *bytes)) return fail(error, QStringLiteral("cannot write ") + target);
        } else {
            QFile::remove(target);
            if (!QFile::copy(fi.absoluteFilePath(), target)) return fail(error, QStringLiteral("cannot copy ") + rel);
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
    }
    const QString materials = root + QStringLiteral("/素材");
    registerBuiltInGenerators();
    for (auto& [name, g] : generators()) {
        QString why;
        if (!g(materials, &why)) return fail(error, name + QStringLiteral(": ") + why);
    }
    return true;
}

}  // namespace demotree
