// The theory part of the demo materials tree: seven whole modules and a
// theory bank the random practice can draw from.
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "theory/moduledrill.h"
#include "theory/randomtheory.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class TheoryDataTest : public testing_support::DemoTreeTest {
protected:
    TheoryDataTest()
        : DemoTreeTest({QStringLiteral("素材/bk/选择题题目"), QStringLiteral("素材/bk/题库/理论题"),
                        QStringLiteral("素材/bk/理论题随机抽题测试")})
    {
    }
    QStringList lines(const QString& rel) const
    {
        return plat::readLines936(QStringLiteral("%1/%2").arg(program_, rel)).value_or(QStringList{QStringLiteral("<unreadable>")});
    }
};

TEST_F(TheoryDataTest, EveryModuleHoldsTwentyQuestionsKeysAndExplanations)
{
    const QRegularExpression key(QStringLiteral("^[ABCD]$"));
    for (int i = 0; i < theory::kModules; ++i) {
        const QString folder = QStringLiteral("素材/bk/选择题题目/选择题/") + QString::fromUtf8(theory::moduleButtons()[i].folder) + '/';
        SCOPED_TRACE(folder.toStdString());
        const QStringList keys = lines(folder + QStringLiteral("答案.txt"));
        ASSERT_EQ(keys.size(), 20);
        for (int n = 1; n <= 20; ++n) {
            const QStringList q = lines(folder + QStringLiteral("%1.txt").arg(n));
            ASSERT_EQ(q.size(), 5) << n;
            for (const QString& l : q) EXPECT_FALSE(l.trimmed().isEmpty()) << n;
            EXPECT_TRUE(key.match(keys[n - 1]).hasMatch()) << n;
            const QStringList e = lines(folder + QStringLiteral("解%1.txt").arg(n));
            ASSERT_EQ(e.size(), 1) << n;
            EXPECT_FALSE(e[0].contains(',')) << n;  // the whole line is the explanation
        }
        EXPECT_EQ(lines(folder + QStringLiteral("模块名.txt")), QStringList{QString::fromUtf8(theory::moduleButtons()[i].folder)});
        EXPECT_EQ(lines(folder + QStringLiteral("简述.txt")).size(), 1);
        EXPECT_TRUE(QFile::exists(hostPath(folder + QStringLiteral("模块标识.txt"))));
    }
    EXPECT_TRUE(QFile::exists(hostPath(QStringLiteral("素材/bk/选择题题目/占位.txt"))));
    EXPECT_EQ(QDir(hostPath(QStringLiteral("素材/bk/选择题题目/基础理论"))).entryList(QDir::Files), QStringList{QStringLiteral("temp.txt")});
}

TEST_F(TheoryDataTest, TheBankIsNumberedWithoutGapsAndAnswered)
{
    const QStringList files = QDir(hostPath(QStringLiteral("素材/bk/题库/理论题"))).entryList(QDir::Files);
    const QList<int> numbers = theory::questionNumbers(files);
    ASSERT_GE(numbers.size(), 30);
    EXPECT_EQ(numbers.size(), files.size());  // nothing else in the bank
    EXPECT_EQ(numbers.last(), numbers.size());
    for (int n : numbers) {
        const QStringList q = lines(QStringLiteral("素材/bk/题库/理论题/%1.txt").arg(n));
        ASSERT_EQ(q.size(), 7) << n;
        EXPECT_FALSE(q[6].isEmpty()) << n;
    }
    EXPECT_TRUE(QDir(hostPath(QStringLiteral("素材/bk/理论题随机抽题测试/理论题"))).exists());
}

}  // namespace
