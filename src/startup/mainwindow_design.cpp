// Design of Corvanth实训平台窗格 (twips, relative to the container).
#include "startup/mainwindow_design.h"

namespace startup {

using forms::Control;
using forms::Kind;
namespace F = forms;

namespace {
constexpr QRgb kOrange = 0xFFFF8000;
constexpr F::Font kSlogan{"微软雅黑", 12};
constexpr int kCol[6] = {20, 1275, 2530, 4400, 6270, 8150};
constexpr int kColW[6] = {1250, 1250, 1870, 1870, 1870, 1910};
constexpr int kNum[6] = {50, 436, 822, 1208, 1594, 1980};
}  // namespace

const Control kMainWindowDesign[] = {
    // Left column: the five area openers.
    {.name = "Frame3", .kind = Kind::Frame, .left = 360, .top = 2760, .width = 1335, .height = 5625},
    {.name = "Frame5", .kind = Kind::Frame, .parent = "Frame3", .left = 120, .top = 120, .width = 1100, .height = 1060},
    {.name = "Command6", .kind = Kind::Button, .parent = "Frame5", .left = 20, .top = 120, .width = 1050, .height = 920, .caption = "知 识 点"},
    {.name = "Frame6", .kind = Kind::Frame, .parent = "Frame3", .left = 120, .top = 1200, .width = 1100, .height = 1060},
    {.name = "Command2", .kind = Kind::Button, .parent = "Frame6", .left = 20, .top = 120, .width = 1050, .height = 920, .caption = "  任 务    项 目"},
    {.name = "Frame7", .kind = Kind::Frame, .parent = "Frame3", .left = 120, .top = 2280, .width = 1100, .height = 1060},
    {.name = "Command10", .kind = Kind::Button, .parent = "Frame7", .left = 20, .top = 120, .width = 1050, .height = 920, .caption = "  强 化    训 练"},
    {.name = "Frame8", .kind = Kind::Frame, .parent = "Frame3", .left = 120, .top = 3360, .width = 1100, .height = 1060},
    {.name = "Command11", .kind = Kind::Button, .parent = "Frame8", .left = 20, .top = 120, .width = 1050, .height = 920, .caption = "  拓 展    训 练"},
    {.name = "Frame9", .kind = Kind::Frame, .parent = "Frame3", .left = 120, .top = 4440, .width = 1100, .height = 1060},
    {.name = "Command33", .kind = Kind::Button, .parent = "Frame9", .left = 20, .top = 120, .width = 1050, .height = 920, .caption = "  模 拟    测 试"},

    // The area rows.
    {.name = "Frame2", .kind = Kind::Frame, .left = 1680, .top = 2760, .width = 10335, .height = 5625, .flags = F::WhiteBack},

    {.name = "知识点区", .kind = Kind::Frame, .parent = "Frame2", .left = 120, .top = 120, .width = 10095, .height = 1060, .flags = F::Hidden},
    {.name = "基础理论0", .kind = Kind::Button, .parent = "知识点区", .left = kCol[0], .top = 120, .width = kColW[0], .height = 920, .caption = "基础知识", .tip = "基础理论"},
    {.name = "Command1", .kind = Kind::Button, .parent = "知识点区", .left = kCol[1], .top = 120, .width = kColW[1], .height = 920, .caption = "Windows", .tip = "Windows7操作系统"},
    {.name = "Word0", .kind = Kind::Button, .parent = "知识点区", .left = kCol[2], .top = 120, .width = kColW[2], .height = 920, .caption = "Word", .tip = "Word"},
    {.name = "Excel0", .kind = Kind::Button, .parent = "知识点区", .left = kCol[3], .top = 120, .width = kColW[3], .height = 920, .caption = "Excel", .tip = "Excel"},
    {.name = "Ppt0", .kind = Kind::Button, .parent = "知识点区", .left = kCol[4], .top = 120, .width = kColW[4], .height = 920, .caption = "PPT", .tip = "PowerPoint"},
    {.name = "网络基础0", .kind = Kind::Button, .parent = "知识点区", .left = kCol[5], .top = 120, .width = kColW[5], .height = 920, .caption = "网络", .tip = "网络"},

    {.name = "任务项目区", .kind = Kind::Frame, .parent = "Frame2", .left = 120, .top = 1200, .width = 10095, .height = 1060, .flags = F::Hidden},
    {.name = "windows", .kind = Kind::Button, .parent = "任务项目区", .left = 20, .top = 120, .width = 2510, .height = 900, .caption = "计 算 机 软 硬 件 系 统"},
    {.name = "word", .kind = Kind::Button, .parent = "任务项目区", .left = kCol[2], .top = 120, .width = kColW[2], .height = 900, .caption = "文 档 排 版"},
    {.name = "excel", .kind = Kind::Button, .parent = "任务项目区", .left = kCol[3], .top = 120, .width = kColW[3], .height = 900, .caption = "处 理 数 据"},
    {.name = "ppt", .kind = Kind::Button, .parent = "任务项目区", .left = kCol[4], .top = 120, .width = kColW[4], .height = 900, .caption = "演 示 报 告"},
    {.name = "network", .kind = Kind::Button, .parent = "任务项目区", .left = kCol[5], .top = 120, .width = kColW[5], .height = 900, .caption = "网 络 应 用"},

    {.name = "强化训练区", .kind = Kind::Frame, .parent = "Frame2", .left = 120, .top = 2280, .width = 10095, .height = 1060, .flags = F::Hidden},
    {.name = "Command3", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[0], .top = 120, .width = kColW[0], .height = 900, .caption = "   基础知识   强化训练"},
    {.name = "Command4", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[1], .top = 120, .width = kColW[1], .height = 900, .caption = " Windows 强化训练"},
    {.name = "Command5", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[2], .top = 120, .width = kColW[2], .height = 900, .caption = "       Word          强化训练"},
    {.name = "Command7", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[3], .top = 120, .width = kColW[3], .height = 900, .caption = "         Excel           强化训练"},
    {.name = "Command8", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[4], .top = 120, .width = kColW[4], .height = 900, .caption = "  PowerPoint     强化训练"},
    {.name = "Command9", .kind = Kind::Button, .parent = "强化训练区", .left = kCol[5], .top = 120, .width = kColW[5], .height = 900, .caption = "      网络应用        强化训练"},

    {.name = "拓展训练区", .kind = Kind::Frame, .parent = "Frame2", .left = 120, .top = 3360, .width = 10095, .height = 1060, .flags = F::Hidden},
    {.name = "拓展word题干区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 120, .top = 120, .width = 745, .height = 840},
    {.name = "拓word", .kind = Kind::Button, .parent = "拓展word题干区", .left = 60, .top = 140, .width = 615, .height = 660, .caption = "Word"},
    {.name = "拓展word序号区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 840, .top = 120, .width = 2415, .height = 840, .flags = F::Hidden},
    {.name = "Command13", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[0], .top = 140, .width = 375, .height = 660, .caption = "01"},
    {.name = "Command14", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[1], .top = 140, .width = 375, .height = 660, .caption = "02"},
    {.name = "Command15", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[2], .top = 140, .width = 375, .height = 660, .caption = "03"},
    {.name = "Command16", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[3], .top = 140, .width = 375, .height = 660, .caption = "04"},
    {.name = "Command17", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[4], .top = 140, .width = 375, .height = 660, .caption = "05"},
    {.name = "Command18", .kind = Kind::Button, .parent = "拓展word序号区", .left = kNum[5], .top = 140, .width = 375, .height = 660, .caption = "06"},
    {.name = "拓展excel题干区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 3480, .top = 120, .width = 745, .height = 840},
    {.name = "拓excel", .kind = Kind::Button, .parent = "拓展excel题干区", .left = 60, .top = 140, .width = 615, .height = 660, .caption = "Excel"},
    {.name = "拓展excel序号区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 4200, .top = 120, .width = 2415, .height = 840, .flags = F::Hidden},
    {.name = "Command25", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[0], .top = 120, .width = 375, .height = 660, .caption = "01"},
    {.name = "Command24", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[1], .top = 120, .width = 375, .height = 660, .caption = "02"},
    {.name = "Command23", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[2], .top = 120, .width = 375, .height = 660, .caption = "03"},
    {.name = "Command22", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[3], .top = 120, .width = 375, .height = 660, .caption = "04"},
    {.name = "Command21", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[4], .top = 120, .width = 375, .height = 660, .caption = "05"},
    {.name = "Command20", .kind = Kind::Button, .parent = "拓展excel序号区", .left = kNum[5], .top = 120, .width = 375, .height = 660, .caption = "06"},
    {.name = "拓展ppt题干区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 6840, .top = 120, .width = 745, .height = 840},
    {.name = "拓ppt", .kind = Kind::Button, .parent = "拓展ppt题干区", .left = 60, .top = 140, .width = 615, .height = 660, .caption = "PPT"},
    {.name = "拓展ppt序号区", .kind = Kind::Frame, .parent = "拓展训练区", .left = 7560, .top = 120, .width = 2415, .height = 840, .flags = F::Hidden},
    {.name = "Command27", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[0], .top = 140, .width = 375, .height = 660, .caption = "01"},
    {.name = "Command28", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[1], .top = 140, .width = 375, .height = 660, .caption = "02"},
    {.name = "Command29", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[2], .top = 140, .width = 375, .height = 660, .caption = "03"},
    {.name = "Command30", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[3], .top = 140, .width = 375, .height = 660, .caption = "04"},
    {.name = "Command31", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[4], .top = 140, .width = 375, .height = 660, .caption = "05"},
    {.name = "Command32", .kind = Kind::Button, .parent = "拓展ppt序号区", .left = kNum[5], .top = 140, .width = 375, .height = 660, .caption = "06"},

    {.name = "模拟测试区", .kind = Kind::Frame, .parent = "Frame2", .left = 1560, .top = 4440, .width = 6855, .height = 1060},
    {.name = "Command12", .kind = Kind::Button, .parent = "模拟测试区", .left = 20, .top = 120, .width = 3390, .height = 920, .caption = "模 拟 测 试"},
    {.name = "Command19", .kind = Kind::Button, .parent = "模拟测试区", .left = 3435, .top = 120, .width = 3390, .height = 920, .caption = "期 末 考 查"},
    // The mock-test intro frame covers 模拟测试区 inside Frame2.
    {.name = "模拟测试简介区", .kind = Kind::Frame, .parent = "Frame2", .left = 120, .top = 4440, .width = 10095, .height = 1060, .flags = F::WhiteBack},
    {.name = "Label5", .kind = Kind::Label, .parent = "模拟测试简介区", .left = 240, .top = 450, .width = 9840, .height = 375, .caption = "<<===========模拟测试，考前准备，充分了解，马到成功==============>>", .font = kSlogan},

    // Intro frames of the first four rows lie on the window, above Frame2.
    {.name = "知识点简介区", .kind = Kind::Frame, .left = 1800, .top = 2880, .width = 10095, .height = 1060, .flags = F::WhiteBack},
    {.name = "Label1", .kind = Kind::Label, .parent = "知识点简介区", .left = 240, .top = 450, .width = 9840, .height = 375, .caption = "<<===========思维导图，分门别类，整理思绪，帮助记忆==============>>", .font = kSlogan},
    {.name = "任务项目简介区", .kind = Kind::Frame, .left = 1800, .top = 3960, .width = 10095, .height = 1060, .flags = F::WhiteBack},
    {.name = "Label2", .kind = Kind::Label, .parent = "任务项目简介区", .left = 240, .top = 450, .width = 9840, .height = 375, .caption = "<<===========任务导向，学做一体，自主探索，提升能力==============>>", .font = kSlogan},
    {.name = "强化训练简介区", .kind = Kind::Frame, .left = 1800, .top = 5040, .width = 10095, .height = 1060, .flags = F::WhiteBack},
    {.name = "Label3", .kind = Kind::Label, .parent = "强化训练简介区", .left = 240, .top = 450, .width = 9840, .height = 375, .caption = "<<===========随机抽取，反复操作，强化记忆，巩固知识==============>>", .font = kSlogan},
    {.name = "拓展训练简介区", .kind = Kind::Frame, .left = 1800, .top = 6120, .width = 10095, .height = 1060, .flags = F::WhiteBack},
    {.name = "Label4", .kind = Kind::Label, .parent = "拓展训练简介区", .left = 240, .top = 450, .width = 9840, .height = 375, .caption = "<<===========综合运用，检视自身，贴近考证，争取成果==============>>", .font = kSlogan},

    // Identity box, title and decoration.
    {.name = "Command26", .kind = Kind::Button, .left = 40, .top = 40, .width = 735, .height = 300, .caption = "更改"},
    {.name = "学号内容", .kind = Kind::Label, .left = 840, .top = 35, .width = 2100, .height = 300, .caption = "学号：0000000000", .flags = F::AutoSize},
    {.name = "姓名内容", .kind = Kind::Label, .left = 3120, .top = 35, .width = 1200, .height = 300, .caption = "姓名：某某某某", .flags = F::AutoSize},
    {.name = "用户信息框竖线", .kind = Kind::Line, .x1 = 3000, .y1 = 35, .x2 = 3000, .y2 = 320},
    {.name = "用户信息框横线", .kind = Kind::Line, .x1 = 40, .y1 = 345, .x2 = 4320, .y2 = 345},
    {.name = "大标题", .kind = Kind::Label, .left = 690, .top = 1320, .width = 11205, .height = 1335, .flags = F::Centered, .font = {"微软雅黑", 21.75}},
    {.name = "Line2", .kind = Kind::Line, .x1 = 600, .y1 = 2520, .x2 = 11880, .y2 = 2520, .lineWidth = 2, .color = kOrange},
    {.name = "Line1", .kind = Kind::Line, .x1 = 600, .y1 = 2640, .x2 = 11880, .y2 = 2640, .lineWidth = 2, .color = kOrange},

    // Auxiliary controls of the task-project buttons, never shown.
    {.name = "Frame1", .kind = Kind::Frame, .left = 10320, .top = 840, .width = 1215, .height = 1335, .flags = F::Hidden | F::Deferred},
    {.name = "Combo1", .kind = Kind::Combo, .parent = "Frame1", .left = 60, .top = 120, .width = 1095, .height = 300},
    {.name = "Combo2", .kind = Kind::Combo, .parent = "Frame1", .left = 60, .top = 420, .width = 1095, .height = 300},
    {.name = "Combo3", .kind = Kind::Combo, .parent = "Frame1", .left = 60, .top = 720, .width = 1095, .height = 300},
    {.name = "File1", .kind = Kind::FileList, .parent = "Frame1", .left = 60, .top = 1020, .width = 540, .height = 255},
    {.name = "Dir1", .kind = Kind::DirList, .parent = "Frame1", .left = 615, .top = 1020, .width = 540, .height = 255},
};

const forms::Design kMainWindowDesignSpan{kMainWindowDesign};

}  // namespace startup
