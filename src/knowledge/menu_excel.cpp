// excel知识点窗格: the Excel mind-map menu. Its 模板新建 also hands on the
// launch mode as a fourth request line.
#include "knowledge/mindmap.h"
#include "knowledge/mindmap_design.h"

namespace knowledge {
namespace excel {
using namespace design;

constexpr int kPointW = 1800;
constexpr int kPointH = 400;

const Control kDesign[] = {
    line("Line05", 4920, 1800, 4920, 6840, kShown),
    line("Line06", 3600, 3240, 5520, 3240, kShown),
    line("Line07", 4920, 1800, 5640, 1800, kShown),
    line("Line08", 4920, 6840, 6000, 6840, kShown),
    line("Line1", 1800, 1440, 4440, 1440, kShown, kDecorationColour),
    line("Line31", 3600, 1440, 3600, 2880, kShown),
    line("Line32", 3720, 1440, 3720, 3120, kShown),
    line("Line09", 6360, 1800, 8040, 1800, kHidden),
    line("Line10", 6120, 3240, 6840, 3240, kHidden),
    line("Line11", 6840, 2520, 6840, 3960, kHidden),
    line("Line12", 6840, 3240, 8520, 3240, kHidden),
    line("Line13", 6840, 3960, 8520, 3960, kHidden),
    line("Line24", 6840, 2520, 8520, 2520, kHidden),
    line("Line14", 6840, 4680, 6840, 8880, kHidden),
    line("Line15", 6120, 6840, 6840, 6840, kHidden),
    line("Line16", 6840, 4680, 9840, 4680, kHidden),
    line("Line17", 6840, 5280, 8520, 5280, kHidden),
    line("Line18", 6840, 5880, 12600, 5880, kHidden),
    line("Line19", 6840, 7080, 10680, 7080, kHidden),
    line("Line20", 6840, 7680, 10680, 7680, kHidden),
    line("Line21", 6840, 8280, 8520, 8280, kHidden),
    line("Line22", 6840, 8880, 8520, 8880, kHidden),
    line("Line23", 11295, 5280, 11280, 7680, kHidden),
    line("Line25", 6840, 6480, 10680, 6480, kHidden),
    line("Line3", 11280, 5280, 12960, 5280, kHidden),
    line("Line4", 11280, 6480, 12960, 6480, kHidden),
    line("Line5", 11280, 7080, 12960, 7080, kHidden),
    line("Line6", 11280, 7680, 12960, 7680, kHidden),

    title("excel知识点实训标题", 1080, 600, 4335, 735, true),
    root("excel", 3000, 2640),
    button("e工作簿e", "工作簿", 5520, 1440, 975, 615, kShown),
    button("e工作表e", "工作表", 5520, 3000, 975, 615, kShown),
    button("e单元格e", "单元格", 5520, 6480, 975, 615, kShown),
    collapse("减1", 6720, 1680),
    collapse("减2", 6720, 3120),
    collapse("减3", 6720, 6720),

    button("模板新建", "新建文件", 7200, 1560, kPointW, kPointH, kHidden),
    button("工作表设置", "工作表设置", 7200, 2280, kPointW, kPointH, kHidden),
    button("行列设置", "行列设置", 7200, 3000, kPointW, kPointH, kHidden),
    button("页面设置", "页面设置", 7200, 3720, kPointW, kPointH, kHidden),
    button("单元格格式", "单元格格式", 7200, 4440, kPointW, kPointH, kHidden),
    button("条件格式", "条件格式", 9240, 4440, kPointW, kPointH, kHidden),
    button("有效性设置", "有效性设置", 7200, 5040, kPointW, kPointH, kHidden),
    button("函数if", "函 数 IF", 11520, 5040, kPointW, kPointH, kHidden),
    button("常用函数", "常用函数", 7200, 5640, kPointW, kPointH, kHidden),
    button("自定义函数", "自定义函数", 9240, 5640, kPointW, kPointH, kHidden),
    button("函数countif", "函数 COUNTIF", 11520, 5640, kPointW, kPointH, kHidden),
    button("合并计算", "合并计算", 7200, 6240, kPointW, kPointH, kHidden),
    button("模拟运算表", "模拟运算表", 9240, 6240, kPointW, kPointH, kHidden),
    button("函数RANK", "函数 RANK", 11520, 6240, kPointW, kPointH, kHidden),
    button("自动筛选", "自动筛选", 7200, 6840, kPointW, kPointH, kHidden),
    button("高级筛选", "高级筛选", 9240, 6840, kPointW, kPointH, kHidden),
    button("函数fv", "函数 FV", 11520, 6840, kPointW, kPointH, kHidden),
    button("排序", "排      序", 7200, 7440, kPointW, kPointH, kHidden),
    button("分类汇总", "分类汇总", 9240, 7440, kPointW, kPointH, kHidden),
    button("函数vlookup", "函数 VLOOKUP", 11520, 7440, kPointW, kPointH, kHidden),
    button("数据透视表", "数据透视表", 7200, 8040, kPointW, kPointH, kHidden),
    button("图表", "图      表", 7200, 8640, kPointW, kPointH, kHidden),
};

constexpr const char* kFirstLevel[] = {"Line05", "Line06", "Line07", "Line08", "e工作簿e", "e工作表e", "e单元格e"};

constexpr const char* kWorkbook[] = {"Line09", "模板新建", "减1"};
constexpr const char* kSheet[] = {"Line10", "Line11", "Line12", "Line13", "Line24",
                                  "行列设置", "工作表设置", "页面设置", "减2"};
constexpr const char* kCell[] = {"Line3", "Line4", "Line5", "Line6", "Line14", "Line15", "Line16", "Line17",
                                 "Line18", "Line19", "Line20", "Line21", "Line22", "Line23", "Line25",
                                 "单元格格式", "条件格式", "有效性设置", "函数if", "常用函数", "自定义函数",
                                 "函数countif", "合并计算", "模拟运算表", "函数RANK", "自动筛选", "高级筛选",
                                 "函数fv", "排序", "分类汇总", "函数vlookup", "数据透视表", "图表", "减3"};

const Branch kBranches[] = {
    {"e工作簿e", "减1", kWorkbook},
    {"e工作表e", "减2", kSheet},
    {"e单元格e", "减3", kCell},
};

constexpr const char* kPoints[] = {"模板新建", "工作表设置", "行列设置", "页面设置", "单元格格式", "条件格式",
                                   "有效性设置", "函数if", "常用函数", "自定义函数", "函数countif", "合并计算",
                                   "模拟运算表", "函数RANK", "自动筛选", "高级筛选", "函数fv", "排序",
                                   "分类汇总", "函数vlookup", "数据透视表", "图表"};

}  // namespace excel

const MenuSpec kExcelMenu{
    .window = design::window("excel知识点窗格", "知识点_Excel思维导图", 10110),
    .kind = "excel",
    .extension = "xlsx",
    .titleLabel = "excel知识点实训标题",
    .titleLine1 = "Excel2010知识点",
    .modeTitle = "知识点_Excel思维导图",
    .design = excel::kDesign,
    .firstLevel = excel::kFirstLevel,
    .branches = excel::kBranches,
    .points = excel::kPoints,
    .pointWithLaunchMode = "模板新建",
};

}  // namespace knowledge
