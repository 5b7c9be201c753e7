// The layers of the sources: a file includes only headers of its own layer
// and of the layers below it. The libraries are linked the same way; this
// test names the offending line, where a link error would name a symbol.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSrc = QStringLiteral(CORVANTH_SOURCE_DIR "/src");

// The folders a file of this top folder may include from.
QStringList allowedFor(const QString& top)
{
    if (top == QLatin1String("platform")) return {QStringLiteral("platform")};
    if (top == QLatin1String("forms")) return {QStringLiteral("forms"), QStringLiteral("platform")};
    if (top == QLatin1String("widgets")) return {QStringLiteral("widgets")};
    if (top == QLatin1String("common"))
        return {QStringLiteral("common"), QStringLiteral("forms"), QStringLiteral("platform"), QStringLiteral("widgets")};
    if (top == QLatin1String("windows")) return {};  // empty: everything
    return {top, QStringLiteral("common"), QStringLiteral("forms"), QStringLiteral("platform"),
            QStringLiteral("widgets")};
}

// "#include "x/..."" lines of one file whose folder is not allowed.
QStringList violations(const QString& file, const QString& top)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"/]+)/)"));
    const QStringList allowed = allowedFor(top);
    QStringList out;
    if (allowed.isEmpty()) return out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {file + QStringLiteral(": unreadable")};
    int n = 0;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine());
        ++n;
        const auto m = include.match(line);
        if (m.hasMatch() && !allowed.contains(m.captured(1)))
            out << QStringLiteral("%1:%2: %3").arg(file).arg(n).arg(line.trimmed());
    }
    return out;
}

// Lines that change the file system with Qt directly. Outside src/platform
// every change goes through the file service or the text-file writers,
// whose results say what failed. A file that opens a QFile for writing is
// caught by its open mode (an in-memory QBuffer may be written).
QStringList directFileWrites(const QString& file)
{
    static const QRegularExpression change(QStringLiteral(
        R"(\bQSaveFile\b|\bQFile\s*::\s*(remove|rename|copy|link|setPermissions|resize)\b|)"
        R"(\.\s*(mkpath|mkdir|rmdir|rmpath|removeRecursively)\s*\(|\bQDir\s*\(\s*\)\s*\.\s*(remove|rename)\b)"));
    static const QRegularExpression writeMode(QStringLiteral(R"(QIODevice\s*::\s*(WriteOnly|ReadWrite|Append|Truncate))"));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {file + QStringLiteral(": unreadable")};
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    const bool usesQFile = lines.filter(QRegularExpression(QStringLiteral(R"(^\s*#\s*include\s*<Q(Save)?File>)"))).size() > 0;
    QStringList out;
    for (int i = 0; i < lines.size(); ++i)
        if (change.match(lines[i]).hasMatch() || (usesQFile && writeMode.match(lines[i]).hasMatch()))
            out << QStringLiteral("%1:%2: %3").arg(file).arg(i + 1).arg(lines[i].trimmed());
    return out;
}

TEST(Layers, EveryIncludeIsOfTheSameLayerOrBelow)
{
    QStringList bad;
    int files = 0;
    QDirIterator it(kSrc, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString top = QDir(kSrc).relativeFilePath(file).section('/', 0, 0);
        ++files;
        bad << violations(file, top);
    }
    EXPECT_GT(files, 20);
    EXPECT_TRUE(bad.isEmpty()) << bad.join('\n').toStdString();
}

TEST(Layers, OnlyThePlatformChangesFilesWithQtDirectly)
{
    QStringList bad;
    QDirIterator it(kSrc, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (QDir(kSrc).relativeFilePath(file).section('/', 0, 0) != QLatin1String("platform")) bad << directFileWrites(file);
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.join('\n').toStdString();
}

TEST(Layers, TheFileWriteRuleCatchesEachKindOfChange)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* text;
        bool allowed;
    } cases[] = {
        {"QDir().mkpath(p);", false},
        {"QDir d; d.mkdir(x);", false},
        {"QDir(p).removeRecursively();", false},
        {"QFile::remove(p);", false},
        {"QFile::rename(a, b);", false},
        {"QFile::copy(a, b);", false},
        {"QSaveFile f(p);", false},
        {"#include <QFile>\nQFile f(p); f.open(QIODevice::WriteOnly);", false},
        {"#include <QFile>\nQFile f(p); f.open(QIODevice::ReadOnly);", true},
        {"#include <QBuffer>\nQBuffer b(&a); b.open(QIODevice::WriteOnly);", true},
        {"fs::makePath(p); fs::deleteFile(p, true);", true},
        {"list.remove(3); text.remove(QChar(32));", true},
    };
    for (const auto& c : cases) {
        const QString file = dir.path() + QStringLiteral("/f.cpp");
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        EXPECT_EQ(directFileWrites(file).isEmpty(), c.allowed) << c.text;
    }
}

TEST(Layers, TheRuleCatchesAnUpwardInclude)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* top;
        const char* include;
        bool allowed;
    } cases[] = {
        {"platform", "forms/runtime.h", false},  {"platform", "platform/paths.h", true},
        {"forms", "common/guards.h", false},     {"forms", "platform/msgbox.h", true},
        {"widgets", "platform/paths.h", false},  {"common", "startup/cleanup.h", false},
        {"common", "widgets/x.h", true},         {"knowledge", "practice/x.h", false},
        {"knowledge", "knowledge/menu.h", true}, {"mocktest", "common/guards.h", true},
        {"windows", "exam/examwindow.h", true},
    };
    for (const auto& c : cases) {
        const QString file = dir.path() + QStringLiteral("/f.cpp");
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("#include \"") + c.include + "\"\n#include <QString>\n");
        f.close();
        EXPECT_EQ(violations(file, QString::fromLatin1(c.top)).isEmpty(), c.allowed) << c.top << " " << c.include;
    }
}

}  // namespace
