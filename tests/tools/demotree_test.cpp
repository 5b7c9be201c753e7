// The knowledge-point exercises of the demo tree: what the exercise window
// copies is there, the Office documents are sound archives, texts are code
// page 936 with CR LF.
#include "demotree/demotree.h"
#include "demotree/exercises.h"
#include "demotree/gen_office.h"
#include "knowledge/mindmap.h"
#include "platform/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using demotree::DemoExercise;
using demotree::DemoServer;

namespace {

// ---- a ZIP reader that trusts nothing ----------------------------------------

quint32 bitwiseCrc32(const QByteArray& data)
{
    quint32 c = 0xFFFFFFFFu;
    for (char ch : data) {
        c ^= static_cast<quint8>(ch);
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// Reads every entry through the central directory and its local header;
// a failed check is reported with the entry's name.
std::map<QString, QByteArray> readStoredZip(const QByteArray& zip)
{
    std::map<QString, QByteArray> parts;
    const qsizetype eocd = zip.size() - 22;
    EXPECT_GE(eocd, 0);
    if (eocd < 0) return parts;
    EXPECT_EQ(u32(zip, eocd), 0x06054b50u) << "end of central directory";
    const int count = u16(zip, eocd + 10);
    qsizetype at = u32(zip, eocd + 16);
    EXPECT_EQ(at + qsizetype(u32(zip, eocd + 12)), eocd) << "central directory size";
    for (int i = 0; i < count; ++i) {
        if (at + 46 > zip.size() || u32(zip, at) != 0x02014b50u) {
            ADD_FAILURE() << "central directory record " << i;
            return parts;
        }
        const quint16 method = u16(zip, at + 10);
        const quint32 crc = u32(zip, at + 16);
        const quint32 packed = u32(zip, at + 20);
        const quint32 size = u32(zip, at + 24);
        const quint16 nameLen = u16(zip, at + 28);
        const qsizetype next = at + 46 + nameLen + u16(zip, at + 30) + u16(zip, at + 32);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLen));
        const qsizetype local = u32(zip, at + 42);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(method, 0) << "stored";
        EXPECT_EQ(packed, size);
        EXPECT_EQ(u32(zip, local), 0x04034b50u) << "local header";
        EXPECT_EQ(u32(zip, local + 14), crc) << "local CRC";
        EXPECT_EQ(zip.mid(local + 30, u16(zip, local + 26)), zip.mid(at + 46, nameLen)) << "local name";
        const QByteArray data = zip.mid(local + 30 + u16(zip, local + 26) + u16(zip, local + 28), size);
        EXPECT_EQ(data.size(), qsizetype(size));
        EXPECT_EQ(bitwiseCrc32(data), crc) << "CRC-32 of the data";
        EXPECT_FALSE(parts.count(name)) << "duplicate entry";
        parts[name] = data;
        at = next;
    }
    return parts;
}

QString folderOf(const QString& part) { return part.contains('/') ? part.left(part.lastIndexOf('/') + 1) : QString(); }

// "word/_rels/document.xml.rels" belongs to "word/document.xml".
QString sourceFolderOfRels(const QString& rels)
{
    QString owner = rels;
    owner.remove(QStringLiteral("_rels/"));
    return folderOf(owner);
}

// ---- the built tree ------------------------------------------------------------

class DemoTreeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        QString error;
        ok_ = demotree::build(dir_->path(), &error);
        error_ = error.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(ok_) << error_; }

    static QString materials() { return dir_->path() + QStringLiteral("/素材"); }
    static QString bank(const DemoExercise& ex) { return demotree::bankFolder(materials(), ex.kind); }
    static QByteArray bytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QTemporaryDir* dir_;
    static bool ok_;
    static std::string error_;
};

QTemporaryDir* DemoTreeTest::dir_ = nullptr;
bool DemoTreeTest::ok_ = false;
std::string DemoTreeTest::error_;

TEST_F(DemoTreeTest, CoversEveryKindAndEveryPracticeServer)
{
    QSet<QString> kinds;
    QSet<int> servers;
    for (const DemoExercise& ex : demotree::demoExercises()) {
        kinds.insert(ex.kind);
        if (ex.kind == QLatin1String("network")) {
            servers.insert(int(ex.server));
        } else {
            EXPECT_EQ(ex.server, DemoServer::None) << ex.name().toStdString();
        }
    }
    EXPECT_EQ(kinds, (QSet<QString>{"word", "excel", "ppt", "windows", "network"}));
    EXPECT_EQ(servers, (QSet<int>{int(DemoServer::Web), int(DemoServer::Ftp), int(DemoServer::Mail)}));
}

TEST_F(DemoTreeTest, EveryPointIsAPointButtonOfItsKindsMenu)
{
    for (const DemoExercise& ex : demotree::demoExercises()) {
        SCOPED_TRACE(ex.name().toStdString());
        const knowledge::MenuSpec* menu = nullptr;
        for (const knowledge::MenuSpec* m : knowledge::allMenus())
            if (ex.kind == QLatin1String(m->kind)) menu = m;
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(ex.ext, QLatin1String(menu->extension));
        bool found = false;
        for (const char* p : menu->points) found = found || ex.point == QString::fromUtf8(p);
        EXPECT_TRUE(found) << "no point button named " << ex.point.toStdString();
    }
}

TEST_F(DemoTreeTest, EachExerciseHoldsWhatTheExerciseWindowCopies)
{
    for (const DemoExercise& ex : demotree::demoExercises()) {
        SCOPED_TRACE(ex.name().toStdString());
        const QString b = bank(ex);
        const QString N = ex.name();
        const QByteArray pristine = bytes(b + QStringLiteral("/bk/%1.%2").arg(N, ex.ext));
        EXPECT_FALSE(pristine.isEmpty()) << "pristine document";
        EXPECT_EQ(bytes(b + QStringLiteral("/题目文档/题目_%1.%2").arg(N, ex.ext)), pristine) << "working copy";
        EXPECT_FALSE(bytes(b + QStringLiteral("/题目内容/%1.txt").arg(N)).isEmpty()) << "question text";

        const QDir material(b + QStringLiteral("/素材/") + N);
        EXPECT_TRUE(material.exists()) << "material folder";
        if (ex.kind == QLatin1String("windows")) {
            EXPECT_FALSE(QDir(material.filePath(QStringLiteral("winsys"))).isEmpty()) << "winsys material";
        }
        for (const demotree::DemoPicture& extra : ex.extras)
            EXPECT_FALSE(QImage(b + '/' + extra.file).isNull()) << extra.file.toStdString();

        const QDir samples(b + QStringLiteral("/样图/") + N, QStringLiteral("*.jpg"));
        EXPECT_GE(samples.count(), 2u);
        EXPECT_LE(samples.count(), 3u);
        for (const QString& f : samples.entryList(QDir::Files)) {
            QImageReader reader(samples.filePath(f));
            EXPECT_EQ(reader.format(), QByteArray("jpeg")) << f.toStdString();
            EXPECT_FALSE(reader.read().isNull()) << f.toStdString();
        }

        // Line 1 of the video command file; a page it opens lies in the tree
        // (the command runs in the program folder).
        const auto video = plat::readLines936(materials() + QStringLiteral("/video/%1/%2.txt").arg(ex.kind, N));
        ASSERT_TRUE(video && !video->isEmpty());
        EXPECT_FALSE(video->first().trimmed().isEmpty());
        static const QRegularExpression opens(QStringLiteral("^xdg-open \"([^\"]+)\"$"));
        if (const auto m = opens.match(video->first()); m.hasMatch()) {
            EXPECT_TRUE(QFile::exists(dir_->path() + '/' + m.captured(1))) << m.captured(1).toStdString();
        }
    }
}

TEST_F(DemoTreeTest, NetworkTemplatesAskForTheirServerAndArePersonalised)
{
    for (const DemoExercise& ex : demotree::demoExercises()) {
        if (ex.kind != QLatin1String("network")) continue;
        SCOPED_TRACE(ex.name().toStdString());
        const QString texts = bank(ex) + QStringLiteral("/题目内容/");
        const QByteArray framework = bytes(texts + QStringLiteral("框架/") + ex.name() + QStringLiteral(".txt"));
        const QString text = plat::decode936(framework);
        const DemoServer asked = text.contains(QStringLiteral("文件传输协议"))  ? DemoServer::Ftp
                                 : text.contains(QStringLiteral("邮件管理器")) ? DemoServer::Mail
                                                                               : DemoServer::Web;
        EXPECT_EQ(asked, ex.server);
        EXPECT_TRUE(text.contains(QStringLiteral("strLocalIP")));
        EXPECT_TRUE(text.contains(QStringLiteral("学号")));
        EXPECT_EQ(bytes(texts + ex.name() + QStringLiteral(".txt")), framework) << "shipped question text";
        if (ex.server == DemoServer::Ftp) {
            const QDir content(bank(ex) + QStringLiteral("/server/") + ex.name());
            EXPECT_FALSE(content.isEmpty()) << "FTP content folder";
        }
    }
}

TEST_F(DemoTreeTest, OfficeDocumentsAreStoredZipsWithSoundParts)
{
    const std::map<QString, QStringList> required = {
        {"docx", {"[Content_Types].xml", "_rels/.rels", "word/document.xml"}},
        {"xlsx", {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                  "xl/worksheets/sheet1.xml"}},
        {"pptx", {"[Content_Types].xml", "_rels/.rels", "ppt/presentation.xml", "ppt/_rels/presentation.xml.rels",
                  "ppt/slideMasters/slideMaster1.xml", "ppt/slideLayouts/slideLayout1.xml", "ppt/theme/theme1.xml",
                  "ppt/slides/slide1.xml"}},
    };
    int checked = 0;
    for (const DemoExercise& ex : demotree::demoExercises()) {
        if (!required.count(ex.ext)) continue;
        SCOPED_TRACE(ex.name().toStdString());
        ++checked;
        const auto parts = readStoredZip(bytes(bank(ex) + QStringLiteral("/bk/%1.%2").arg(ex.name(), ex.ext)));
        for (const QString& r : required.at(ex.ext)) EXPECT_TRUE(parts.count(r)) << "missing " << r.toStdString();
        ASSERT_TRUE(parts.count(QStringLiteral("[Content_Types].xml")));

        // Content types: every part is covered by an override or a default.
        QSet<QString> overrides, defaults;
        QXmlStreamReader types(parts.at(QStringLiteral("[Content_Types].xml")));
        while (!types.atEnd()) {
            types.readNext();
            if (!types.isStartElement()) continue;
            if (types.name() == QLatin1String("Override")) overrides.insert(types.attributes().value("PartName").toString());
            if (types.name() == QLatin1String("Default")) defaults.insert(types.attributes().value("Extension").toString());
        }
        QString allText;
        for (const auto& [name, data] : parts) {
            SCOPED_TRACE(name.toStdString());
            if (name != QLatin1String("[Content_Types].xml")) {
                EXPECT_TRUE(overrides.contains('/' + name) || defaults.contains(name.section('.', -1))) << "content type";
            }
            QXmlStreamReader xml(data);
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) allText += xml.text();
                if (xml.isStartElement())
                    for (const QXmlStreamAttribute& a : xml.attributes()) allText += a.value().toString() + '\n';
                // Relationship targets resolve to parts of the archive.
                if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
                    const QString target = QDir::cleanPath(sourceFolderOfRels(name) +
                                                           xml.attributes().value("Target").toString());
                    EXPECT_TRUE(parts.count(target)) << "dangling target " << target.toStdString();
                }
            }
            EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        }
        // The document says what the table says (title, sheet, rows, slides).
        for (const QString& line : ex.document) {
            for (const QString& piece : line.split(QRegularExpression(QStringLiteral("[,|]")), Qt::SkipEmptyParts)) {
                EXPECT_TRUE(allText.contains(piece)) << piece.toStdString();
            }
        }
    }
    EXPECT_EQ(checked, 3);
}

TEST(ZipWriter, Crc32MatchesTheStandardCheckValue)
{
    EXPECT_EQ(demotree::office::crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(demotree::office::crc32(QByteArray()), 0u);
    EXPECT_EQ(bitwiseCrc32("123456789"), 0xCBF43926u);
}

TEST_F(DemoTreeTest, ExerciseTextsAreCodePage936WithCrLf)
{
    const QDir src(demotree::sourceFolder());
    int checked = 0;
    for (const QString& top : {QStringLiteral("素材/bk/题库/操作题"), QStringLiteral("素材/video")}) {
        QDirIterator it(src.filePath(top), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            if (!demotree::isTextFile(source)) continue;
            const QString rel = src.relativeFilePath(source);
            SCOPED_TRACE(rel.toStdString());
            ++checked;
            const QByteArray out = bytes(dir_->path() + '/' + rel);
            EXPECT_FALSE(out.isEmpty());
            EXPECT_TRUE(out.endsWith("\r\n"));
            EXPECT_EQ(out.count('\n'), out.count("\r\n")) << "lone LF";
            EXPECT_EQ(out.count('\r'), out.count("\r\n")) << "lone CR";
            QString expected = QString::fromUtf8(bytes(source));
            expected.replace('\n', QStringLiteral("\r\n"));
            EXPECT_EQ(plat::decode936(out), expected);
            EXPECT_EQ(plat::encode936(expected).value_or(QByteArray()), out);
        }
    }
    EXPECT_GT(checked, 20);
}

}  // namespace
