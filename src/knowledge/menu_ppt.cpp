// ppt知识点窗格: the PowerPoint mind-map menu. Its slide branch also holds
// 模板新建 and the stem Line03, which are visible from the start.
#include "knowledge/mindmap.h"
#include "knowledge/mindmap_design.h"

namespace knowledge {
namespace ppt {
using namespace design;

constexpr int kPointW = 1800;
constexpr int kPointH = 400;

const Control kDesign[] = {
    line("Line01", 6000, 5760, 9720, 5760, kShown),
    line("Line1", 6480, 2400, 9120, 2400, kShown, kDecorationColour),
    line("Line31", 7680, 2400, 7680, 3840, kShown),
    line("Line32", 7920, 2400, 7920, 3720, kShown),
    line("Line03", 7800, 4680, 7800, 5640, kShown),
    line("Line02", 4560, 4800, 4560, 6720, kHidden),
    line("Line04", 3240, 4800, 4560, 4800, kHidden),
    line("Line05", 1320, 5760, 4560, 5760, kHidden),
    line("Line06", 3240, 6720, 4560, 6720, kHidden),
    line("Line07", 4560, 5760, 6000, 5760, kHidden),
    line("Line08", 9840, 5760, 11160, 5760, kHidden),
    line("Line09", 11160, 4320, 11160, 7200, kHidden),
    line("Line10", 11160, 4320, 12480, 4320, kHidden),
    line("Line11", 11160, 5280, 12480, 5280, kHidden),
    line("Line12", 11160, 6240, 12480, 6240, kHidden),
    line("Line13", 11160, 7200, 12480, 7200, kHidden),

    title("ppt知识点实训标题", 5640, 1560, 4335, 735, true),
    root("ppt", 7185, 3720),
    button("p幻灯片p", "幻灯片", 5160, 5400, 1095, 735, kShown),
    button("p内容要素p", "内容要素", 9280, 5400, 1095, 735, kShown),
    collapse("减2", 4440, 5640),
    collapse("减1", 11040, 5640),

    button("模板新建", "新建文件", 6920, 5400, kPointW, 735, kShown),
    button("幻灯片设置", "幻灯片设置", 2400, 4560, kPointW, kPointH, kHidden),
    button("版式与页面", "版式与页面", 2400, 5520, kPointW, kPointH, kHidden),
    button("母版", "母   版", 240, 5520, kPointW, kPointH, kHidden),
    button("幻灯片放映", "幻灯片放映", 2400, 6480, kPointW, kPointH, kHidden),
    button("幻灯片基本格式", "基本格式设置", 11520, 4080, kPointW, kPointH, kHidden),
    button("多媒体", "多媒体", 11520, 5040, kPointW, kPointH, kHidden),
    button("超链接", "超链接", 11520, 6000, kPointW, kPointH, kHidden),
    button("动画效果", "动画效果", 11520, 6960, kPointW, kPointH, kHidden),
};

constexpr const char* kFirstLevel[] = {"Line01", "p幻灯片p", "p内容要素p"};

constexpr const char* kSlide[] = {"Line02", "Line03", "Line04", "Line05", "Line06", "Line07", "模板新建",
                                  "幻灯片设置", "版式与页面", "幻灯片放映", "母版", "减2"};
constexpr const char* kContent[] = {"Line08", "Line09", "Line10", "Line11", "Line12", "Line13",
                                    "幻灯片基本格式", "多媒体", "超链接", "动画效果", "减1"};

const Branch kBranches[] = {
    {"p幻灯片p", "减2", kSlide},
    {"p内容要素p", "减1", kContent},
};

constexpr const char* kPoints[] = {"模板新建", "幻灯片设置", "版式与页面", "母版", "幻灯片放映",
                                   "幻灯片基本格式", "多媒体", "超链接", "动画效果"};

}  // namespace ppt

const MenuSpec kPptMenu{
    .window = design::window("ppt知识点窗格", "知识点_PPT思维导图", 10110),
    .kind = "ppt",
    .extension = "pptx",
    .titleLabel = "ppt知识点实训标题",
    .titleLine1 = "PowerPoint2010知识点",
    .modeTitle = "知识点_PPT思维导图",
    .design = ppt::kDesign,
    .firstLevel = ppt::kFirstLevel,
    .branches = ppt::kBranches,
    .points = ppt::kPoints,
};

}  // namespace knowledge
