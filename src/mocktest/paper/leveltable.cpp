#include "mocktest/paper/leveltable.h"

#include "platform/paths.h"

namespace mocktest {

QString KindSpec::examFolder() const { return QStringLiteral("D:\\") + QString::fromUtf8(folder); }

const QList<KindSpec>& mockKinds()
{
    static const QList<KindSpec> kinds = {
        {"word", "docx", "KSDOC", "D:\\w改名", "D:\\改名w", false},
        {"excel", "xlsx", "KSXLS", "D:\\e改名", "D:\\改名e", false},
        {"ppt", "pptx", "KSPPT", "D:\\p改名", "D:\\改名p", false},
        {"windows", "win", "KSWIN", "D:\\win改名", "D:\\改名win", true},
        {"network", "net", "KSNET", "D:\\n改名", "", true},
    };
    return kinds;
}

const KindSpec* findKind(const QString& kind)
{
    for (const KindSpec& k : mockKinds())
        if (kind == QString::fromUtf8(k.kind)) return &k;
    return nullptr;
}

const QList<LevelSpec>& mockLevels()
{
    const QStringList slotButtons = {QStringLiteral("c02"), QStringLiteral("c03"), QStringLiteral("c04"), QStringLiteral("c05"),
                               QStringLiteral("c06")};
    static const QList<LevelSpec> levels = {
        {"入门", "Command2", "Label52", "基于高等学校计算机等级考试一级的难度设置", 15,
         {{"word", 6, 24, "wo"}, {"excel", 5, 30, "ex"}, {"ppt", 4, 35, "pt"}, {"windows", 6, 39, "win"}, {"network", 2, 45, "net"}},
         {},
         true,
         false,
         {"word", "excel", "ppt", "network", "windows"},
         5,
         9495},
        {"普通", "Command1", "Label53", "基于全国计算机等级考试二级的难度设置", 20,
         {{"word", 1, 21, "w"}, {"excel", 1, 22, "e"}, {"ppt", 1, 23, "p"}},
         QStringList{QStringLiteral("网络"), QStringLiteral("windows")} + slotButtons,
         false,
         true,
         {"word", "excel", "ppt", "network"},
         7,
         6350},
        {"困难", "Command3", "Label54", "基于高等学校计算机等级考试二级的难度设置", 0,
         {{"word", 2, 47, "wd"}, {"excel", 2, 49, "exl"}, {"ppt", 1, 51, "ptx"}},
         QStringList{QStringLiteral("选择题"), QStringLiteral("网络"), QStringLiteral("windows")} + slotButtons,
         true,
         true,
         {"word", "excel", "ppt"},
         7,
         4805},
    };
    return levels;
}

const LevelKind* LevelSpec::kind(const QString& k) const
{
    for (const LevelKind& lk : kinds)
        if (k == QString::fromUtf8(lk.kind)) return &lk;
    return nullptr;
}

const LevelSpec* findLevel(const QString& level)
{
    for (const LevelSpec& l : mockLevels())
        if (level == l.word()) return &l;
    return nullptr;
}

QString mockTree() { return plat::appPath(kMockTree); }

QString mockBank(const QString& level) { return plat::appPath(kMockTree + QStringLiteral("\\题库\\") + level); }

QString slotName(int slot) { return QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0')); }

}  // namespace mocktest
