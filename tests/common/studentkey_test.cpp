// The student key names folders and files: which keys are safe, and paths
// built from a key never leave their folder.
#include "common/studentkey.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* what;
    QString key;
    bool safe;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class StudentKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(StudentKey, IsSafeOnlyAsAPlainName)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(common::isSafeStudentKey(c.key), c.safe);
    // A path is built exactly for the safe keys, directly inside its folder.
    const auto path = common::pathUnderFolder(QStringLiteral("D:\\提交\\"), c.key, QStringLiteral(".txt"));
    EXPECT_EQ(path.has_value(), c.safe);
    if (path) {
        EXPECT_EQ(*path, QStringLiteral("D:\\提交\\") + c.key + QStringLiteral(".txt"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StudentKey,
    ::testing::Values(KeyCase{"number and name", QStringLiteral("20240517张三"), true},
                      KeyCase{"blank inside", QStringLiteral("2024欧阳 修"), true},
                      KeyCase{"dot inside", QStringLiteral("2024.张三"), true},
                      KeyCase{"at the length bound", QStringLiteral("1234") + QString(48, QChar(0x5F20)) + "12", true},
                      KeyCase{"one byte longer", QStringLiteral("1234") + QString(48, QChar(0x5F20)) + "123", false},
                      KeyCase{"empty", QString(), false}, KeyCase{"dot", QStringLiteral("."), false},
                      KeyCase{"dot dot", QStringLiteral(".."), false},
                      KeyCase{"leading dot", QStringLiteral(".2024张三"), false},
                      KeyCase{"trailing dot", QStringLiteral("2024张三."), false},
                      KeyCase{"leading blank", QStringLiteral(" 2024张三"), false},
                      KeyCase{"trailing blank", QStringLiteral("2024张三 "), false},
                      KeyCase{"separator", QStringLiteral("..\\..\\张三"), false},
                      KeyCase{"slash", QStringLiteral("2024/张三"), false},
                      KeyCase{"drive", QStringLiteral("C:张三"), false},
                      KeyCase{"control character", QStringLiteral("2024\n张三"), false},
                      KeyCase{"outside code page 936", QStringLiteral("2024한"), false}));

TEST(StudentKeyPath, ASuffixCannotLeadOutOfTheFolder)
{
    const QString key = QStringLiteral("2024张三");
    EXPECT_EQ(common::pathUnderFolder(QStringLiteral("D:\\a"), key), QStringLiteral("D:\\a\\2024张三"));
    EXPECT_EQ(common::pathUnderFolder(QStringLiteral("D:\\a"), key, QStringLiteral("_成绩.txt")),
              QStringLiteral("D:\\a\\2024张三_成绩.txt"));
    for (const char* bad : {"\\..\\x", "/x", ".", " ", ":x"})
        EXPECT_FALSE(common::pathUnderFolder(QStringLiteral("D:\\a"), key, QString::fromUtf8(bad))) << bad;
    EXPECT_FALSE(common::pathUnderFolder(QString(), key));
}

}  // namespace
