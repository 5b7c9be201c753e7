#include "common/draw.h"

#include "platform/msgbox.h"

#include <QHash>
#include <chrono>
#include <random>

namespace common {
namespace {

std::uint32_t defaultSource(std::uint32_t bound)
{
    // Seeded once: two draws in the same second still differ.
    static std::mt19937 engine = [] {
        std::random_device device;
        const auto now = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
        std::seed_seq seq{device(), device(), static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
        return std::mt19937(seq);
    }();
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(engine);
}

RandomSource& source()
{
    static RandomSource s;
    return s;
}

std::uint32_t uniformBelow(std::uint32_t bound)
{
    const std::uint32_t r = source() ? source()(bound) : defaultSource(bound);
    return r < bound ? r : r % bound;  // a stand-in out of range is folded back
}

}  // namespace

QString emptyBankMessage() { return QStringLiteral("题库中没有题目，无法抽题，请检查素材文件夹"); }

QString smallBankMessage(int bankSize, int count)
{
    return QStringLiteral("题库中只有%1道题，不足%2道，无法抽题，请检查素材文件夹").arg(bankSize).arg(count);
}

Draw drawDistinctNumbers(int bankSize, int count)
{
    Draw d;
    if (count <= 0) return d;
    if (bankSize <= 0) {
        d.refusal = emptyBankMessage();
        return d;
    }
    if (bankSize < count) {
        d.refusal = smallBankMessage(bankSize, count);
        return d;
    }
    // Partial Fisher-Yates over 1..n; only the swapped places are stored, so
    // the work and memory depend on the count, not on the bank size.
    QHash<int, int> moved;
    const auto at = [&](int i) { return moved.value(i, i + 1); };
    d.numbers.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int j = i + static_cast<int>(uniformBelow(static_cast<std::uint32_t>(bankSize - i)));
        const int pick = at(j);
        moved.insert(j, at(i));
        d.numbers.append(pick);
    }
    return d;
}

QList<int> uDrawDistinctNumbers(int bankSize, int count, QWidget* owner)
{
    Draw d = drawDistinctNumbers(bankSize, count);
    if (!d.ok()) msgOk(d.refusal, owner);
    return d.numbers;
}

QStringList numbersAsText(const QList<int>& numbers)
{
    QStringList out;
    for (int n : numbers) out << QString::number(n);
    return out;
}

void setRandomSourceForTests(RandomSource s) { source() = std::move(s); }
void resetRandomSource() { source() = nullptr; }

}  // namespace common
