// Drawing distinct bank numbers: range, distinctness, refusal, distribution.
#include "common/draw.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

class DrawTest : public ::testing::Test {
protected:
    testing_support::TestHooks hooks_;
};

struct SizeCase {
    int bank;
    int count;
};

class DrawSizes : public DrawTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(DrawSizes, GivesCountDifferentNumbersOfTheBank)
{
    const auto [bank, count] = GetParam();
    for (int round = 0; round < 200; ++round) {
        const common::Draw d = common::drawDistinctNumbers(bank, count);
        ASSERT_TRUE(d.ok()) << d.refusal.toStdString();
        ASSERT_EQ(d.numbers.size(), count);
        QSet<int> seen;
        for (int n : d.numbers) {
            EXPECT_GE(n, 1);
            EXPECT_LE(n, bank);
            EXPECT_FALSE(seen.contains(n)) << "drawn twice: " << n;
            seen.insert(n);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawSizes,
                         ::testing::Values(SizeCase{6, 6}, SizeCase{30, 6}, SizeCase{20, 20}, SizeCase{10, 1},
                                           SizeCase{1, 1}, SizeCase{2000000000, 10}));

TEST_F(DrawTest, RefusesABankTooSmallOrEmptyWithoutDrawing)
{
    struct Case {
        int bank, count;
        QString message;
    } cases[] = {
        {0, 6, QStringLiteral("题库中没有题目，无法抽题，请检查素材文件夹")},
        {-3, 6, QStringLiteral("题库中没有题目，无法抽题，请检查素材文件夹")},
        {5, 6, QStringLiteral("题库中只有5道题，不足6道，无法抽题，请检查素材文件夹")},
        {19, 20, QStringLiteral("题库中只有19道题，不足20道，无法抽题，请检查素材文件夹")},
    };
    int calls = 0;
    hooks_.random([&](std::uint32_t) { return ++calls, 0u; });
    for (const Case& c : cases) {
        const common::Draw d = common::drawDistinctNumbers(c.bank, c.count);
        EXPECT_EQ(d.refusal, c.message);
        EXPECT_TRUE(d.numbers.isEmpty());
    }
    EXPECT_EQ(calls, 0);
}

TEST_F(DrawTest, TellsTheStudentWhenItRefuses)
{
    testing_support::ScriptedMessageBoxes boxes;
    boxes.expectOk(common::smallBankMessage(3, 6));
    EXPECT_TRUE(common::uDrawDistinctNumbers(3, 6).isEmpty());
    EXPECT_EQ(common::uDrawDistinctNumbers(6, 6).size(), 6);  // no box
}

TEST_F(DrawTest, UsesTheInstalledSourceAndGoesBackToItsOwn)
{
    common::setRandomSourceForTests([](std::uint32_t) { return 0u; });
    EXPECT_EQ(common::drawDistinctNumbers(30, 6).numbers, (QList<int>{1, 2, 3, 4, 5, 6}));
    common::setRandomSourceForTests([](std::uint32_t bound) { return bound - 1; });
    EXPECT_EQ(common::drawDistinctNumbers(10, 3).numbers, (QList<int>{10, 1, 2}));
    common::resetRandomSource();
    // Its own generator: two draws in a row (same second) are not the same.
    EXPECT_NE(common::drawDistinctNumbers(30, 6).numbers, common::drawDistinctNumbers(30, 6).numbers);
}

TEST_F(DrawTest, EveryOrderedPairIsEquallyLikely)
{
    std::mt19937 engine(12345);
    hooks_.random(
        [&](std::uint32_t bound) { return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(engine); });
    std::map<std::pair<int, int>, int> counts;
    const int rounds = 20000;
    for (int i = 0; i < rounds; ++i) {
        const auto n = common::drawDistinctNumbers(5, 2).numbers;
        ++counts[{n[0], n[1]}];
    }
    ASSERT_EQ(counts.size(), 20u);  // 5 x 4 ordered pairs
    for (const auto& [pair, c] : counts) {
        EXPECT_NEAR(c, rounds / 20, 150) << pair.first << "," << pair.second;
    }
}

TEST_F(DrawTest, OwnGeneratorSpreadsEachPositionEvenly)
{
    // 6 of 6: each number lands in each position about a sixth of the time
    // (tolerance about seven standard deviations).
    int first[7] = {}, last[7] = {};
    const int rounds = 6000;
    for (int i = 0; i < rounds; ++i) {
        const auto n = common::drawDistinctNumbers(6, 6).numbers;
        ++first[n[0]];
        ++last[n[5]];
    }
    for (int v = 1; v <= 6; ++v) {
        EXPECT_NEAR(first[v], rounds / 6, 200) << v;
        EXPECT_NEAR(last[v], rounds / 6, 200) << v;
    }
}

TEST_F(DrawTest, NumbersBecomeLabelTexts)
{
    EXPECT_EQ(common::numbersAsText({7, 12, 1}), (QStringList{QStringLiteral("7"), QStringLiteral("12"), QStringLiteral("1")}));
}

}  // namespace
