// word知识点窗格: the Word mind-map menu.
#include "knowledge/mindmap.h"
#include "knowledge/mindmap_design.h"

namespace knowledge {
namespace word {
using namespace design;

constexpr int kPointW = 1589;
constexpr int kPointH = 400;

const Control kDesign[] = {
    // Decoration lines: title label to root button.
    line("Line1", 4680, 720, 4680, 1680, kShown, kDecorationColour),
    line("Line35", 4680, 1080, 6960, 1080, kShown),
    line("Line32", 6960, 1080, 6960, 1920, kShown),
    line("Line34", 4680, 1320, 6780, 1320, kShown),
    line("Line31", 6780, 1320, 6780, 2040, kShown),
    // First level.
    line("Line01", 6960, 2760, 6960, 6000, kShown),
    line("Line22", 5520, 3780, 6360, 3780, kShown),
    line("Line23", 7560, 3780, 8400, 3780, kShown),
    // Page branch.
    line("Line02", 9720, 2640, 9720, 5040, kHidden),
    line("Line03", 9720, 2640, 11400, 2640, kHidden),
    line("Line18", 9720, 3240, 13080, 3240, kHidden),
    line("Line19", 9360, 3780, 12960, 3780, kHidden),
    line("Line20", 9720, 4440, 12960, 4440, kHidden),
    line("Line21", 9720, 5040, 12960, 5040, kHidden),
    // Text branch.
    line("Line09", 1200, 2880, 4080, 2880, kHidden),
    line("Line10", 4080, 2280, 4080, 5280, kHidden),
    line("Line11", 4080, 3780, 4560, 3780, kHidden),
    line("Line15", 2520, 4020, 4080, 4020, kHidden),
    line("Line16", 2520, 4620, 4080, 4620, kHidden),
    line("Line17", 2520, 5280, 4080, 5280, kHidden),
    line("Line24", 1920, 2280, 1920, 3480, kHidden),
    line("Line25", 1920, 2280, 4080, 2280, kHidden),
    line("Line26", 1920, 3480, 4080, 3480, kHidden),
    line("Line3", 840, 2880, 840, 3626, kHidden),
    // Image branch.
    line("Line04", 7680, 6240, 7680, 9240, kHidden),
    line("Line05", 7440, 6240, 8040, 6240, kHidden),
    line("Line06", 7680, 7440, 8640, 7440, kHidden),
    line("Line07", 7680, 8040, 8640, 8040, kHidden),
    line("Line08", 7680, 6840, 10200, 6840, kHidden),
    line("Line27", 7680, 8640, 10128, 8640, kHidden),
    line("Line28", 7680, 9240, 10200, 9240, kHidden),

    title("word知识点实训标题", 240, 720, 4335, 855, false),
    root("word", 6300, 1800),
    button("模板新建", "新建文件", 6060, 3480, 1800, 615, kShown),
    button("w文本w", "文  本", 4560, 3480, 975, 615, kShown),
    button("w页面w", "页  面", 8400, 3480, 975, 615, kShown),
    button("w图像w", "图  像", 6480, 6000, 975, 615, kShown),
    collapse("减1", 9600, 3675),
    collapse("减2", 3960, 3675),
    collapse("减3", 7560, 6120),

    button("页面设置", "页面设置", 10080, 2400, kPointW, kPointH, kHidden),
    button("分栏", "分       栏", 10080, 3000, kPointW, kPointH, kHidden),
    button("页眉与页脚", "页眉页脚", 10080, 3600, kPointW, kPointH, kHidden),
    button("目录", "目        录", 10080, 4200, kPointW, kPointH, kHidden),
    button("修订和批注", "修         订", 10080, 4800, kPointW, kPointH, kHidden),
    button("节", "节", 11880, 3000, kPointW, kPointH, kHidden),
    button("尾注", "尾    注", 11880, 3600, kPointW, kPointH, kHidden),
    button("宏", "宏", 11880, 4200, kPointW, kPointH, kHidden),
    button("文档保护", "文档保护", 11880, 4800, kPointW, kPointH, kHidden),
    button("字体格式", "字体格式", 2160, 2040, kPointW, kPointH, kHidden),
    button("段落格式", "段落格式", 2160, 2640, kPointW, kPointH, kHidden),
    button("边框与底纹", "边框底纹", 2160, 3240, kPointW, kPointH, kHidden),
    button("查找与替换", "查找替换", 2160, 3840, kPointW, kPointH, kHidden),
    button("多级编号", "多级编号", 2160, 4440, kPointW, kPointH, kHidden),
    button("邮件合并", "邮件合并", 2160, 5040, kPointW, kPointH, kHidden),
    button("样式", "样       式", 60, 2640, kPointW, kPointH, kHidden),
    button("样式复制", "样式复制", 60, 3240, kPointW, kPointH, kHidden),
    button("图片", "图      片", 7920, 6000, kPointW, kPointH, kHidden),
    button("文本框", "文 本 框", 7920, 6600, kPointW, kPointH, kHidden),
    button("艺术字", "艺 术 字", 7920, 7200, kPointW, kPointH, kHidden),
    button("SmartArt", "SmartArt", 7920, 7800, kPointW, kPointH, kHidden),
    button("公式", "公       式", 7920, 8400, kPointW, kPointH, kHidden),
    button("表格", "表       格", 7920, 9000, kPointW, kPointH, kHidden),
    button("首字下沉", "首字下沉", 9720, 6600, kPointW, kPointH, kHidden),
    button("高级公式", "高级公式", 9720, 8400, kPointW, kPointH, kHidden),
    button("文本转换表格", "字转换表", 9720, 9000, kPointW, kPointH, kHidden),
};

constexpr const char* kFirstLevel[] = {"模板新建", "w文本w", "w页面w", "w图像w", "Line01", "Line22", "Line23"};

constexpr const char* kPage[] = {"页面设置", "分栏", "页眉与页脚", "目录", "修订和批注", "节", "尾注", "宏",
                                 "文档保护", "Line02", "Line03", "Line18", "Line19", "Line20", "Line21", "减1"};
constexpr const char* kText[] = {"字体格式", "段落格式", "边框与底纹", "查找与替换", "多级编号", "邮件合并", "样式",
                                 "样式复制", "Line09", "Line10", "Line11", "Line15", "Line16", "Line17", "Line24",
                                 "Line25", "Line26", "Line3", "减2"};
constexpr const char* kImage[] = {"图片", "文本框", "艺术字", "SmartArt", "公式", "表格", "首字下沉", "高级公式",
                                  "文本转换表格", "Line04", "Line05", "Line06", "Line07", "Line08", "Line27",
                                  "Line28", "减3"};

const Branch kBranches[] = {
    {"w页面w", "减1", kPage},
    {"w文本w", "减2", kText},
    {"w图像w", "减3", kImage},
};

constexpr const char* kPoints[] = {"模板新建", "页面设置", "分栏", "页眉与页脚", "目录", "修订和批注", "节", "尾注",
                                   "宏", "文档保护", "字体格式", "段落格式", "边框与底纹", "查找与替换", "多级编号",
                                   "邮件合并", "样式", "样式复制", "图片", "文本框", "艺术字", "SmartArt", "公式",
                                   "表格", "首字下沉", "高级公式", "文本转换表格"};

}  // namespace word

const MenuSpec kWordMenu{
    .window = design::window("word知识点窗格", "知识点_Word思维导图", 10110),
    .kind = "word",
    .extension = "docx",
    .titleLabel = "word知识点实训标题",
    .titleLine1 = "Word2010知识点",
    .modeTitle = "知识点_Word思维导图",
    .design = word::kDesign,
    .firstLevel = word::kFirstLevel,
    .branches = word::kBranches,
    .points = word::kPoints,
};

}  // namespace knowledge
