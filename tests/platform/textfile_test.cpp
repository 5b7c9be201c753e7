// The hand-over routines: bytes on disk and line reading rules.
#include "platform/paths.h"
#include "platform/textfile.h"
#include "faults.h"
#include "platform_fixture.h"

#include <QStringDecoder>
#include <gtest/gtest.h>


using testing_support::gbk;

namespace {

class TextFileTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        QDir().mkpath(hostPath(QStringLiteral("素材/bk")));
    }
};

TEST_F(TextFileTest, WritesTextInCodePage936WithCrLfAndNoBom)
{
    ASSERT_TRUE(uWriteTextFile(QStringLiteral("\\素材\\bk\\studentnumber.txt"),
                               QStringLiteral("2024张三\r\n2024\r\n张三")));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/studentnumber.txt")),
              QByteArray("2024\xd5\xc5\xc8\xfd\r\n2024\r\n\xd5\xc5\xc8\xfd\r\n"));
}

TEST_F(TextFileTest, EmptyTextLeavesOneEmptyLine)
{
    ASSERT_TRUE(uWriteTextFile(QStringLiteral("\\素材\\bk\\model.txt"), QString()));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/model.txt")), QByteArray("\r\n"));
    EXPECT_EQ(uReadLastLine(QStringLiteral("\\素材\\bk\\model.txt")), QString());
    EXPECT_EQ(uReadTextLine(QStringLiteral("\\素材\\bk\\model.txt"), 1), QString());
}

TEST_F(TextFileTest, SecondWriteReplacesTheWholeFile)
{
    const QString rel = QStringLiteral("\\素材\\bk\\r.txt");
    EXPECT_TRUE(uWriteTextFile(rel, QStringLiteral("word\r\ndocx")));
    EXPECT_TRUE(uWriteTextFile(rel, QStringLiteral("ppt\r\npptx")));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/r.txt")), QByteArray("ppt\r\npptx\r\n"));
}

TEST_F(TextFileTest, RefusesTextOutsideTheCodePageAndKeepsTheOldFile)
{
    const QString rel = QStringLiteral("\\素材\\bk\\r.txt");
    EXPECT_TRUE(uWriteTextFile(rel, QStringLiteral("old")));
    EXPECT_FALSE(uWriteTextFile(rel, QStringLiteral("emoji \U0001F600")));
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/r.txt")), QByteArray("old\r\n"));
}

TEST_F(TextFileTest, WriteIntoMissingFolderFails)
{
    EXPECT_FALSE(uWriteTextFile(QStringLiteral("\\素材\\nowhere\\r.txt"), QStringLiteral("x")));
}

// Hand-over files are a few short lines: anything larger than 64 KB is not
// one and is never read whole (a 17 MB line once went into a caption).
struct SizeCase {
    const char* what;
    qint64 size;  // bytes of line 1, CR LF and line 2 together
    bool read;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.what; }

class HandOverSize : public TextFileTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(HandOverSize, ALargerFileReadsAsUnreadable)
{
    const qint64 first = GetParam().size - 3;
    writeBytes(QStringLiteral("素材/bk/r.txt"), QByteArray(first, 'A') + "\r\nB");
    const QString rel = QStringLiteral("\\素材\\bk\\r.txt");
    const auto line1 = uReadTextLine(rel, 1);
    EXPECT_EQ(line1.has_value(), GetParam().read);
    if (line1) {
        EXPECT_EQ(line1->size(), first);
    }
    EXPECT_EQ(uReadLastLine(rel), GetParam().read ? QStringLiteral("B") : QString());
    EXPECT_EQ(plat::fileLargerThan(plat::appPath(rel), plat::kHandOverMaxBytes), !GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandOverSize,
                         ::testing::Values(SizeCase{"exactly 64 KB", 64 * 1024, true},
                                           SizeCase{"one byte more", 64 * 1024 + 1, false},
                                           SizeCase{"a 17 MB line", 17 * 1024 * 1024, false}));

struct FullCase {
    const char* what;
    rlim_t room;   // bytes a file may take
    int length;    // bytes of the new text
};

void PrintTo(const FullCase& c, std::ostream* os) { *os << c.what; }

class FullVolume : public TextFileTest, public ::testing::WithParamInterface<FullCase> {};

TEST_P(FullVolume, AFailedWriteKeepsTheOldFileWhole)
{
    const QString rel = QStringLiteral("\\素材\\bk\\studentnumber.txt");
    const QByteArray old = gbk(QStringLiteral("1张三\r\n1\r\n张三\r\n"));
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), old);
    bool written = true;
    {
        testing_support::FileSizeLimit full(GetParam().room);
        ASSERT_TRUE(full.ok());
        written = uWriteTextFile(rel, QString(GetParam().length, QChar('7')));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(bytes(QStringLiteral("素材/bk/studentnumber.txt")), old);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(hostPath(QStringLiteral("素材/bk"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("studentnumber.txt")});
}

// A configuration that is made again at each use, and the exam's paper
// number, do not wait for the disk, and still fail as whole.
TEST_P(FullVolume, AFileThatDoesNotWaitForTheDiskFailsTheSameWay)
{
    for (const plat::Durability d : {plat::Durability::Regenerated, plat::Durability::AfterItsFiles}) {
        SCOPED_TRACE(int(d));
        const QByteArray old = "[Server]\r\nPort=80\r\n";
        writeBytes(QStringLiteral("素材/bk/server.ini"), old);
        bool written = true;
        {
            testing_support::FileSizeLimit full(GetParam().room);
            ASSERT_TRUE(full.ok());
            written = plat::writeWholeFileAtomic(plat::appPath(QStringLiteral("\\素材\\bk\\server.ini")),
                                                 QByteArray(GetParam().length, '7') + "\r\n", d);
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(bytes(QStringLiteral("素材/bk/server.ini")), old);
        EXPECT_EQ(QDir(hostPath(QStringLiteral("素材/bk"))).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("server.ini")});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FullVolume,
                         ::testing::Values(FullCase{"nothing fits", 0, 20}, FullCase{"half fits", 10, 20},
                                           FullCase{"all but the line end fits", 20, 20},
                                           FullCase{"a large text", 4096, 100000}));

struct LineCase {
    const char* name;
    QByteArray content;
    int n;
    std::optional<QString> line;
    QString last;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LineReading : public TextFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineReading, FollowsTheLineRules)
{
    const LineCase& c = GetParam();
    writeBytes(QStringLiteral("素材/bk/f.txt"), c.content);
    EXPECT_EQ(uReadTextLine(QStringLiteral("\\素材\\bk\\f.txt"), c.n), c.line);
    EXPECT_EQ(uReadLastLine(QStringLiteral("\\素材\\bk\\f.txt")), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReading,
    ::testing::Values(
        LineCase{"third_of_two", "a\r\nb\r\n", 3, std::nullopt, "b"},
        LineCase{"second_of_two", "a\r\nb\r\n", 2, QStringLiteral("b"), "b"},
        LineCase{"no_final_crlf", "a\r\nb", 2, QStringLiteral("b"), "b"},
        LineCase{"lone_cr_ends_line", "a\rb\r", 2, QStringLiteral("b"), "b"},
        LineCase{"lone_lf_does_not", "a\nb\r\n", 1, QStringLiteral("a\nb"), "a\nb"},
        LineCase{"empty_file", "", 1, std::nullopt, ""},
        LineCase{"several_markers", gbk(QStringLiteral("知识点\r\n强化训练\r\n")), 1, QStringLiteral("知识点"), QStringLiteral("强化训练")},
        LineCase{"empty_last_line", "a\r\n\r\n", 2, QString(), QString()},
        LineCase{"truncated_lead_byte", "ab\xd5", 1, QStringLiteral("ab\uFFFD"), QStringLiteral("ab\uFFFD")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextFileTest, MissingFileReadsAsNotFoundAndEmpty)
{
    EXPECT_EQ(uReadTextLine(QStringLiteral("\\素材\\bk\\none.txt"), 1), std::nullopt);
    EXPECT_EQ(uReadLastLine(QStringLiteral("\\素材\\bk\\none.txt")), QString());
}

TEST_F(TextFileTest, ComparisonsStayExact)
{
    writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "More\r\n");
    EXPECT_NE(uReadTextLine(QStringLiteral("\\素材\\bk\\one_or_more.txt"), 1), QStringLiteral("more"));
}

// Short texts are decoded without the ICU converter where they can be: every
// byte pair, between plain letters, must read exactly as the converter
// reads it (characters, unassigned pairs and broken sequences alike).
TEST(CodePage936, EveryBytePairDecodesAsTheConverterDecodesIt)
{
    int differing = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            QByteArray b("a");
            b.append(static_cast<char>(lead)).append(static_cast<char>(trail)).append('z');
            QStringDecoder icu("GBK", QStringConverter::Flag::Stateless);
            const QString expected = icu.decode(b);
            if (plat::decode936(b) != expected && ++differing <= 5)
                ADD_FAILURE() << std::hex << lead << " " << trail;
        }
    }
    EXPECT_EQ(differing, 0);
    for (int c = 0; c < 0x80; ++c)
        EXPECT_EQ(plat::decode936(QByteArray(1, static_cast<char>(c))), QString(QChar(c))) << c;
    EXPECT_EQ(plat::decode936(gbk(QStringLiteral("2024010101张三"))), QStringLiteral("2024010101张三"));
    // A lead byte without its trail byte at the end still reads as lost.
    EXPECT_EQ(plat::decode936(QByteArray("\xd5\xc5\xc8")), QStringLiteral("张") + QChar(QChar::ReplacementCharacter));
}

TEST(Paths, DriveDMapsToItsOwnFolder)
{
    plat::setDriveD(QStringLiteral("/tmp/dd"));
    EXPECT_EQ(plat::toHost(QStringLiteral("D:\\实训素材\\a.txt")), QStringLiteral("/tmp/dd/实训素材/a.txt"));
    EXPECT_EQ(plat::toHost(QStringLiteral("D:\\")), QStringLiteral("/tmp/dd"));
    EXPECT_EQ(plat::toHost(QStringLiteral("d:/a\\b")), QStringLiteral("/tmp/dd/a/b"));
    EXPECT_EQ(plat::toHost(QStringLiteral("D:")), QStringLiteral("/tmp/dd"));
    EXPECT_EQ(plat::toHost(QStringLiteral("D:a\\b")), QStringLiteral("D:a/b"));  // not the drive's root
    EXPECT_EQ(plat::toHost(QStringLiteral("E:\\a")), QStringLiteral("E:/a"));
    EXPECT_EQ(plat::toHost(QStringLiteral("/prog\\素材\\bk")), QStringLiteral("/prog/素材/bk"));
    EXPECT_EQ(plat::baseName(QStringLiteral("D:\\实训素材")), QStringLiteral("实训素材"));
    plat::setDriveD(QString());
}

TEST(Paths, TextsShowPathsOnDriveDWhereTheFileManagerFindsThem)
{
    plat::setDriveD(QStringLiteral("/tmp/dd"));
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"将 D:\\实训素材 文件夹中的文件", "将 /tmp/dd/实训素材 文件夹中的文件"},
        {"打开“D:\\KS\\KSWIN\\资料”，新建", "打开“/tmp/dd/KS/KSWIN/资料”，新建"},
        {"d:\\winsys\\a.txt。", "/tmp/dd/winsys/a.txt。"},
        {"(D:\\SXWIN)\r\n第二行 D:\\KSDOC\\03", "(/tmp/dd/SXWIN)\r\n第二行 /tmp/dd/KSDOC/03"},
        {"盘符D:不是路径，C:\\kaoshi 也不在D盘", "盘符D:不是路径，C:\\kaoshi 也不在D盘"},
        {"ABCD:\\x 不是D盘的路径", "ABCD:\\x 不是D盘的路径"},
        {"/tmp/dd/实训素材 已是本机路径", "/tmp/dd/实训素材 已是本机路径"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plat::displayPathsIn(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
    plat::setDriveD(QString());
}

}  // namespace
