#include "demotree/demotree.h"

#include "demotree/gen_advanced.h"
#include "demotree/gen_exam.h"
#include "demotree/gen_mock.h"
#include "demotree/gen_office.h"
#include "demotree/gen_pictures.h"
#include "demotree/gen_shared.h"
#include "demotree/gen_practice.h"
#include "demotree/gen_standins.h"
#include "demotree/gen_tasks.h"
#include "platform/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace demotree {
namespace {

using gen::fail;

// The files no text source can hold, made by code; each generator gets the
// host path of the "素材" folder being built.
struct Generator {
    const char* name;
    bool (*make)(const QString& materialsFolder, QString* error);
};
const Generator kGenerators[] = {
    {"exercise documents", office::generateExerciseDocuments},
    {"exercise pictures", pictures::generateExercisePictures},
    {"practice questions", generatePracticeQuestions},
    {"standins", generateStandIns},
    {"task projects", generateTaskProjects},
    {"mock banks", generateMockBanks},
    {"final exam", generateExam},
    {"advanced exercises", generateAdvancedExercises},
};

}  // namespace

QString sourceFolder() { return QStringLiteral(CORVANTH_DEMO_DATA); }

bool isTextFile(const QString& fileName)
{
    static const QStringList ext = {QStringLiteral("txt"), QStringLiteral("ini"), QStringLiteral("win"),
                                    QStringLiteral("net"), QStringLiteral("xml"), QStringLiteral("htm"),
                                    QStringLiteral("html"), QStringLiteral("csv")};
    return ext.contains(QFileInfo(fileName).suffix().toLower());
}

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
    for (const Generator& g : kGenerators) {
        QString why;
        if (!g.make(materials, &why)) return fail(error, QString::fromUtf8(g.name) + QStringLiteral(": ") + why);
    }
    return true;
}

}  // namespace demotree
