#include "tasks/taskwindow_design.h"

#include "tasks/taskwindow.h"

namespace tasks {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kTaskWindowSpec{TaskWindow::kName, "任务项目", 10255, 6265,
                                        F::FixedSingle | F::NoMinMax | F::CenterScreen | F::Topmost};

namespace {
constexpr F::Font kYahei{"微软雅黑"};
constexpr F::Font kYaheiBold{"微软雅黑", 10.5, true};
constexpr F::Font kPointFont{"微软雅黑", 7.5};
constexpr QRgb kTextBack = 0xFFFFFFC0;
constexpr QRgb kPickBack = 0xFFF0F0F0;

// Screenshot rows of page 1: instruction box, screenshot box, picker.
#define SHOT_ROW(box_, shot_, pick_, page_, l_, t_)                                                                            \
    {.name = box_, .kind = Kind::TextArea, .parent = page_, .left = l_, .top = t_, .width = 4455, .height = 1095, .back = kTextBack}, \
    {.name = shot_, .kind = Kind::TextBox, .parent = page_, .left = l_, .top = t_ + 1140, .width = 3255, .height = 330, .back = kPickBack}, \
    {.name = pick_, .kind = Kind::Button, .parent = page_, .left = l_ + 3330, .top = t_ + 1140, .width = 1125, .height = 330, .caption = "选择文件..", .font = kYahei}

#define ANSWER_ROW(label_, caption_, box_, page_, l_, t_)                                                                       \
    {.name = label_, .kind = Kind::Label, .parent = page_, .left = l_, .top = t_ + 40, .width = 1455, .height = 300, .caption = caption_}, \
    {.name = box_, .kind = Kind::TextBox, .parent = page_, .left = l_ + 1500, .top = t_, .width = 2535, .height = 330, .flags = F::WhiteBack}

const Control kDesign[] = {
    // ---- office layout -------------------------------------------------
    {.name = "office任务区", .kind = Kind::Frame, .left = 0, .top = 0, .width = 10135, .height = 8895, .flags = F::Hidden | F::NoBorder},

    {.name = "任务标题区", .kind = Kind::Frame, .parent = "office任务区", .left = 120, .top = 120, .width = 5175, .height = 735, .caption = "任务标题"},
    {.name = "重选任务", .kind = Kind::Button, .parent = "任务标题区", .left = 120, .top = 240, .width = 615, .height = 375, .caption = "←", .flags = F::Disabled, .tip = "重选任务"},
    {.name = "任务标题", .kind = Kind::TextBox, .parent = "任务标题区", .left = 840, .top = 240, .width = 3495, .height = 375, .caption = "任务标题", .back = kTextBack},
    {.name = "开始任务", .kind = Kind::Button, .parent = "任务标题区", .left = 4440, .top = 240, .width = 615, .height = 375, .caption = "→", .tip = "开始任务"},

    {.name = "任务选择区", .kind = Kind::Frame, .parent = "office任务区", .left = 120, .top = 960, .width = 5175, .height = 1335, .caption = "任务选择"},
    {.name = "任务一", .kind = Kind::Button, .parent = "任务选择区", .left = 120, .top = 240, .width = 1575, .height = 495, .caption = "任 务 一", .font = kYahei},
    {.name = "任务二", .kind = Kind::Button, .parent = "任务选择区", .left = 1800, .top = 240, .width = 1575, .height = 495, .caption = "任 务 二", .font = kYahei},
    {.name = "任务三", .kind = Kind::Button, .parent = "任务选择区", .left = 3480, .top = 240, .width = 1575, .height = 495, .caption = "任 务 三", .font = kYahei},
    {.name = "任务四", .kind = Kind::Button, .parent = "任务选择区", .left = 120, .top = 780, .width = 1575, .height = 495, .caption = "任 务 四", .font = kYahei},
    {.name = "任务五", .kind = Kind::Button, .parent = "任务选择区", .left = 1800, .top = 780, .width = 1575, .height = 495, .caption = "任 务 五", .font = kYahei},
    {.name = "任务六", .kind = Kind::Button, .parent = "任务选择区", .left = 3480, .top = 780, .width = 1575, .height = 495, .caption = "任 务 六", .font = kYahei},

    {.name = "任务提交区", .kind = Kind::Frame, .parent = "office任务区", .left = 5400, .top = 120, .width = 4615, .height = 2175, .caption = "任务提交"},
    {.name = "提交任务选择区", .kind = Kind::Frame, .parent = "任务提交区", .left = 120, .top = 240, .width = 4375, .height = 615},
    {.name = "选择任务一", .kind = Kind::Check, .parent = "提交任务选择区", .left = 120, .top = 240, .width = 615, .height = 255, .caption = "一", .flags = F::Disabled},
    {.name = "选择任务二", .kind = Kind::Check, .parent = "提交任务选择区", .left = 820, .top = 240, .width = 615, .height = 255, .caption = "二", .flags = F::Disabled},
    {.name = "选择任务三", .kind = Kind::Check, .parent = "提交任务选择区", .left = 1520, .top = 240, .width = 615, .height = 255, .caption = "三", .flags = F::Disabled},
    {.name = "选择任务四", .kind = Kind::Check, .parent = "提交任务选择区", .left = 2220, .top = 240, .width = 615, .height = 255, .caption = "四", .flags = F::Disabled},
    {.name = "选择任务五", .kind = Kind::Check, .parent = "提交任务选择区", .left = 2920, .top = 240, .width = 615, .height = 255, .caption = "五", .flags = F::Disabled},
    {.name = "选择任务六", .kind = Kind::Check, .parent = "提交任务选择区", .left = 3620, .top = 240, .width = 615, .height = 255, .caption = "六", .flags = F::Disabled},
    {.name = "操作题选择提交任务", .kind = Kind::Button, .parent = "任务提交区", .left = 120, .top = 960, .width = 975, .height = 375, .caption = "需提任务"},
    {.name = "操作题保存路径", .kind = Kind::TextBox, .parent = "任务提交区", .left = 1200, .top = 960, .width = 2175, .height = 375, .back = kTextBack},
    {.name = "操作题选择提交路径", .kind = Kind::Button, .parent = "任务提交区", .left = 3480, .top = 960, .width = 1015, .height = 375, .caption = "提交路径"},
    {.name = "操作题重置任务", .kind = Kind::Button, .parent = "任务提交区", .left = 3480, .top = 960, .width = 1015, .height = 375, .caption = "重置任务", .flags = F::Hidden},
    {.name = "操作题提交", .kind = Kind::Button, .parent = "任务提交区", .left = 120, .top = 1440, .width = 2175, .height = 495, .caption = "提    交", .font = kYaheiBold},
    {.name = "ProgressBar2", .kind = Kind::Progress, .parent = "任务提交区", .left = 2400, .top = 1560, .width = 2095, .height = 255},

    {.name = "任务内容区", .kind = Kind::Frame, .parent = "office任务区", .left = 120, .top = 2400, .width = 8535, .height = 2895, .caption = "任务内容", .flags = F::Hidden},
    {.name = "任务内容", .kind = Kind::TextArea, .parent = "任务内容区", .left = 120, .top = 240, .width = 8295, .height = 2055, .back = kTextBack},
    {.name = "开始", .kind = Kind::Button, .parent = "任务内容区", .left = 120, .top = 2400, .width = 1215, .height = 375, .caption = "开   始", .font = kYahei},
    {.name = "任务文件夹", .kind = Kind::Button, .parent = "任务内容区", .left = 1440, .top = 2400, .width = 615, .height = 375, .caption = "素", .flags = F::Hidden, .font = kYahei, .tip = "任务素材文件夹"},
    {.name = "样式上一张", .kind = Kind::Button, .parent = "任务内容区", .left = 2880, .top = 2400, .width = 615, .height = 375, .caption = "←", .flags = F::Hidden},
    {.name = "样式", .kind = Kind::Button, .parent = "任务内容区", .left = 3557, .top = 2400, .width = 1300, .height = 375, .caption = "样   式", .flags = F::Hidden, .font = kYahei},
    {.name = "折叠", .kind = Kind::Button, .parent = "任务内容区", .left = 3557, .top = 2400, .width = 1300, .height = 375, .caption = "折   叠", .flags = F::Hidden, .font = kYahei},
    {.name = "样式下一张", .kind = Kind::Button, .parent = "任务内容区", .left = 4920, .top = 2400, .width = 615, .height = 375, .caption = "→", .flags = F::Hidden},
    {.name = "知识点", .kind = Kind::Button, .parent = "任务内容区", .left = 5640, .top = 2400, .width = 1215, .height = 375, .caption = "涉及操作", .font = kYahei},
    {.name = "初始化当前任务", .kind = Kind::Button, .parent = "任务内容区", .left = 6960, .top = 2400, .width = 1455, .height = 375, .caption = "初始化当前任务", .font = kYahei},

    {.name = "涉及知识点提示区", .kind = Kind::Frame, .parent = "office任务区", .left = 8680, .top = 2400, .width = 1335, .height = 2895, .flags = F::Hidden},
    {.name = "Command11", .kind = Kind::Button, .parent = "涉及知识点提示区", .left = 240, .top = 480, .width = 855, .height = 1935, .caption = "涉及操作", .font = kYahei, .tip = "涉及操作"},
    {.name = "涉及知识点区", .kind = Kind::Frame, .parent = "office任务区", .left = 8680, .top = 2400, .width = 1335, .height = 2895, .caption = "知识点", .flags = F::Hidden},
    {.name = "知识点1", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 240, .width = 1095, .height = 375, .font = kPointFont},
    {.name = "知识点2", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 672, .width = 1095, .height = 375, .font = kPointFont},
    {.name = "知识点3", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 1104, .width = 1095, .height = 375, .font = kPointFont},
    {.name = "知识点4", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 1536, .width = 1095, .height = 375, .font = kPointFont},
    {.name = "知识点5", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 1968, .width = 1095, .height = 375, .font = kPointFont},
    {.name = "知识点6", .kind = Kind::Button, .parent = "涉及知识点区", .left = 120, .top = 2400, .width = 1095, .height = 375, .font = kPointFont},

    {.name = "样式区", .kind = Kind::Frame, .parent = "office任务区", .left = 120, .top = 5280, .width = 9895, .height = 3495, .caption = "样式", .flags = F::Hidden},
    {.name = "Picture1", .kind = Kind::Picture, .parent = "样式区", .left = 120, .top = 240, .width = 9615, .height = 3015},
    {.name = "VScroll1", .kind = Kind::VScroll, .parent = "样式区", .left = 9480, .top = 0, .width = 255, .height = 2000, .flags = F::Hidden},

    // ---- Windows sheet, page 1 -------------------------------------------
    {.name = "windows任务区1", .kind = Kind::Frame, .left = 0, .top = 0, .width = 14535, .height = 9135, .flags = F::Hidden | F::NoBorder},
    {.name = "windows任务区1标题", .kind = Kind::Label, .parent = "windows任务区1", .left = 240, .top = 120, .width = 9000, .height = 420, .caption = "任 务 一：认识Windows7操作系统", .font = kYaheiBold},
    {.name = "Command7", .kind = Kind::Button, .parent = "windows任务区1", .left = 13560, .top = 120, .width = 735, .height = 420, .caption = "→", .tip = "下一任务"},
    SHOT_ROW("win1", "计算机基本信息", "Command4", "windows任务区1", 240, 720),
    ANSWER_ROW("系统类型标签", "▲系统类型：", "系统类型", "windows任务区1", 240, 2340),
    ANSWER_ROW("CPU主频标签", "▲CPU主频：", "CPU主频", "windows任务区1", 240, 2760),
    ANSWER_ROW("内存大小标签", "▲内存大小：", "内存大小", "windows任务区1", 240, 3180),
    ANSWER_ROW("系统版本标签", "▲系统版本：", "系统版本", "windows任务区1", 240, 3600),
    ANSWER_ROW("计算机名标签", "▲计算机名：", "计算机名", "windows任务区1", 240, 4020),
    ANSWER_ROW("工作组标签", "▲工 作 组 ：", "工作组", "windows任务区1", 240, 4440),
    SHOT_ROW("win2", "屏幕分辨率", "Command5", "windows任务区1", 5040, 720),
    SHOT_ROW("win4", "自定义开始菜单", "Command1", "windows任务区1", 5040, 2640),
    SHOT_ROW("win3", "Aero特效", "Command3", "windows任务区1", 5040, 4560),
    SHOT_ROW("win6", "资源管理器", "Command2", "windows任务区1", 9840, 720),
    SHOT_ROW("win5", "用户账户", "Command6", "windows任务区1", 9840, 2640),

    // ---- Windows sheet, page 2 -------------------------------------------
    {.name = "windows任务区2", .kind = Kind::Frame, .left = 0, .top = 0, .width = 10095, .height = 10215, .flags = F::Hidden | F::NoBorder},
    {.name = "windows任务区2标题", .kind = Kind::Label, .parent = "windows任务区2", .left = 240, .top = 120, .width = 8000, .height = 420, .caption = "任 务 二：文件及文件夹管理", .font = kYaheiBold},
    {.name = "上一任务", .kind = Kind::Button, .parent = "windows任务区2", .left = 9120, .top = 120, .width = 735, .height = 420, .caption = "←", .tip = "上一任务"},
    SHOT_ROW("win7", "硬盘分区与盘符", "Command8", "windows任务区2", 240, 720),
    SHOT_ROW("win8", "库", "Command9", "windows任务区2", 5040, 720),
    ANSWER_ROW("文件名的结构标签", "▲文件名的结构：", "文件名的结构", "windows任务区2", 240, 2400),
    ANSWER_ROW("通配符标签", "▲  通   配   符  ：", "通配符", "windows任务区2", 240, 2820),
    {.name = "单位转换标签", .kind = Kind::Label, .parent = "windows任务区2", .left = 5040, .top = 2440, .width = 2000, .height = 300, .caption = "▲常用单位转换："},
    ANSWER_ROW("Bb转换标签", "1B = ", "Bb转换", "windows任务区2", 5040, 2820),
    ANSWER_ROW("KBB转换标签", "1KB = ", "KBB转换", "windows任务区2", 5040, 3240),
    ANSWER_ROW("MBKB转换标签", "1MB = ", "MBKB转换", "windows任务区2", 5040, 3660),
    ANSWER_ROW("GBMB转换标签", "1GB = ", "GBMB转换", "windows任务区2", 5040, 4080),
    ANSWER_ROW("TBGB转换标签", "1TB = ", "TBGB转换", "windows任务区2", 5040, 4500),
    {.name = "操作题内容区", .kind = Kind::Frame, .parent = "windows任务区2", .left = 240, .top = 5040, .width = 9615, .height = 3615, .caption = "操作题"},
    {.name = "操作题题目内容", .kind = Kind::TextArea, .parent = "操作题内容区", .left = 120, .top = 240, .width = 9375, .height = 2775, .back = kTextBack},
    {.name = "Command10", .kind = Kind::Button, .parent = "操作题内容区", .left = 120, .top = 3120, .width = 1455, .height = 375, .caption = "实训文件夹", .font = kYahei},
    {.name = "恢复本题", .kind = Kind::Button, .parent = "操作题内容区", .left = 7920, .top = 3120, .width = 1575, .height = 375, .caption = "初始化当前任务", .font = kYahei},
    {.name = "Frame14", .kind = Kind::Frame, .parent = "windows任务区2", .left = 240, .top = 8760, .width = 9615, .height = 1215, .caption = "提交"},
    {.name = "选择提交路径", .kind = Kind::Button, .parent = "Frame14", .left = 120, .top = 300, .width = 1215, .height = 375, .caption = "提交路径"},
    {.name = "保存路径", .kind = Kind::TextBox, .parent = "Frame14", .left = 1440, .top = 300, .width = 5655, .height = 375, .back = kTextBack},
    {.name = "win提交", .kind = Kind::Button, .parent = "Frame14", .left = 7200, .top = 300, .width = 2295, .height = 495, .caption = "提    交", .font = kYaheiBold},
    {.name = "ProgressBar1", .kind = Kind::Progress, .parent = "Frame14", .left = 120, .top = 840, .width = 6975, .height = 255},
};
#undef SHOT_ROW
#undef ANSWER_ROW
}  // namespace

forms::Design taskWindowDesign() { return kDesign; }

}  // namespace tasks
