#include "mocktest/answering/mocktestwindow_design.h"

#include "mocktest/answering/mocktestwindow.h"

namespace mocktest {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kMockTestWindowSpec{MockTestWindow::kName, "模拟测试_模块选择", 9830, kLevelFrameHeight + 530};

namespace {
constexpr F::Font kYahei{"微软雅黑"};
constexpr F::Font kYaheiBold{"微软雅黑", 10.5, true};
constexpr QRgb kTextBack = 0xFFFFFFC0;

// The notes beside the level buttons come from the level table.
// Later rows lie above earlier ones: the paper-generation notice covers
// everything while a paper is made.
const Control kDesign[] = {
    {.name = "测试级别选择区", .kind = Kind::Frame, .left = 120, .top = 12120, .width = 9495, .height = 1575, .caption = "测试级别"},
    {.name = "Command2", .kind = Kind::Button, .parent = "测试级别选择区", .left = 360, .top = 300, .width = 1815, .height = 375, .caption = "入  门", .font = kYaheiBold},
    {.name = "Label52", .kind = Kind::Label, .parent = "测试级别选择区", .left = 2400, .top = 360, .width = 6855, .height = 300},
    {.name = "Command1", .kind = Kind::Button, .parent = "测试级别选择区", .left = 360, .top = 720, .width = 1815, .height = 375, .caption = "普  通", .font = kYaheiBold},
    {.name = "Label53", .kind = Kind::Label, .parent = "测试级别选择区", .left = 2400, .top = 780, .width = 6855, .height = 300},
    {.name = "Command3", .kind = Kind::Button, .parent = "测试级别选择区", .left = 360, .top = 1140, .width = 1815, .height = 375, .caption = "困  难", .font = kYaheiBold},
    {.name = "Label54", .kind = Kind::Label, .parent = "测试级别选择区", .left = 2400, .top = 1200, .width = 6855, .height = 300},
    {.name = "题型区", .kind = Kind::Frame, .left = 120, .top = 0, .width = 9495, .height = 735, .flags = F::Hidden},
    {.name = "word", .kind = Kind::Button, .parent = "题型区", .left = 150, .top = 240, .width = 1300, .height = 375, .caption = "Word", .font = kYahei},
    {.name = "excel", .kind = Kind::Button, .parent = "题型区", .left = 1728, .top = 240, .width = 1300, .height = 375, .caption = "Excel", .font = kYahei},
    {.name = "ppt", .kind = Kind::Button, .parent = "题型区", .left = 3306, .top = 240, .width = 1300, .height = 375, .caption = "PowerPoint", .font = kYahei},
    {.name = "选择题", .kind = Kind::Button, .parent = "题型区", .left = 4884, .top = 240, .width = 1300, .height = 375, .caption = "选 择 题", .font = kYahei},
    {.name = "windows", .kind = Kind::Button, .parent = "题型区", .left = 6462, .top = 240, .width = 1300, .height = 375, .caption = "Windows", .font = kYahei},
    {.name = "网络", .kind = Kind::Button, .parent = "题型区", .left = 8040, .top = 240, .width = 1300, .height = 375, .caption = "网  络", .font = kYahei},
    {.name = "题型介绍区", .kind = Kind::Frame, .left = 120, .top = 13680, .width = 9495, .height = 1815, .caption = "题型介绍", .flags = F::Hidden},
    {.name = "题型介绍", .kind = Kind::TextArea, .parent = "题型介绍区", .left = 120, .top = 240, .width = 9135, .height = 1455, .caption = "题型分布介绍", .back = kTextBack},
    {.name = "选择题题号", .kind = Kind::Frame, .left = 120, .top = 840, .width = 13335, .height = 735, .caption = "题号", .flags = F::Hidden},
    {.name = "x01", .kind = Kind::Button, .parent = "选择题题号", .left = 120, .top = 240, .width = 615, .height = 375, .caption = "01"},
    {.name = "x02", .kind = Kind::Button, .parent = "选择题题号", .left = 776, .top = 240, .width = 615, .height = 375, .caption = "02"},
    {.name = "x03", .kind = Kind::Button, .parent = "选择题题号", .left = 1432, .top = 240, .width = 615, .height = 375, .caption = "03"},
    {.name = "x04", .kind = Kind::Button, .parent = "选择题题号", .left = 2088, .top = 240, .width = 615, .height = 375, .caption = "04"},
    {.name = "x05", .kind = Kind::Button, .parent = "选择题题号", .left = 2744, .top = 240, .width = 615, .height = 375, .caption = "05"},
    {.name = "x06", .kind = Kind::Button, .parent = "选择题题号", .left = 3400, .top = 240, .width = 615, .height = 375, .caption = "06"},
    {.name = "x07", .kind = Kind::Button, .parent = "选择题题号", .left = 4056, .top = 240, .width = 615, .height = 375, .caption = "07"},
    {.name = "x08", .kind = Kind::Button, .parent = "选择题题号", .left = 4712, .top = 240, .width = 615, .height = 375, .caption = "08"},
    {.name = "x09", .kind = Kind::Button, .parent = "选择题题号", .left = 5368, .top = 240, .width = 615, .height = 375, .caption = "09"},
    {.name = "x10", .kind = Kind::Button, .parent = "选择题题号", .left = 6024, .top = 240, .width = 615, .height = 375, .caption = "10"},
    {.name = "x11", .kind = Kind::Button, .parent = "选择题题号", .left = 6680, .top = 240, .width = 615, .height = 375, .caption = "11"},
    {.name = "x12", .kind = Kind::Button, .parent = "选择题题号", .left = 7336, .top = 240, .width = 615, .height = 375, .caption = "12"},
    {.name = "x13", .kind = Kind::Button, .parent = "选择题题号", .left = 7992, .top = 240, .width = 615, .height = 375, .caption = "13"},
    {.name = "x14", .kind = Kind::Button, .parent = "选择题题号", .left = 8648, .top = 240, .width = 615, .height = 375, .caption = "14"},
    {.name = "x15", .kind = Kind::Button, .parent = "选择题题号", .left = 9304, .top = 240, .width = 615, .height = 375, .caption = "15"},
    {.name = "x16", .kind = Kind::Button, .parent = "选择题题号", .left = 9960, .top = 240, .width = 615, .height = 375, .caption = "16"},
    {.name = "x17", .kind = Kind::Button, .parent = "选择题题号", .left = 10616, .top = 240, .width = 615, .height = 375, .caption = "17"},
    {.name = "x18", .kind = Kind::Button, .parent = "选择题题号", .left = 11272, .top = 240, .width = 615, .height = 375, .caption = "18"},
    {.name = "x19", .kind = Kind::Button, .parent = "选择题题号", .left = 11928, .top = 240, .width = 615, .height = 375, .caption = "19"},
    {.name = "x20", .kind = Kind::Button, .parent = "选择题题号", .left = 12600, .top = 240, .width = 615, .height = 375, .caption = "20"},
    {.name = "选择题答题卡", .kind = Kind::Frame, .left = 120, .top = 1680, .width = 13335, .height = 735, .caption = "答题卡", .flags = F::Hidden},
    {.name = "d1", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 120, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d2", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 776, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d3", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 1432, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d4", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 2088, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d5", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 2744, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d6", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 3400, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d7", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 4056, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d8", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 4712, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d9", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 5368, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d10", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 6024, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d11", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 6680, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d12", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 7336, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d13", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 7992, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d14", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 8648, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d15", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 9304, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d16", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 9960, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d17", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 10616, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d18", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 11272, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d19", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 11928, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "d20", .kind = Kind::TextBox, .parent = "选择题答题卡", .left = 12600, .top = 240, .width = 615, .height = 375, .flags = F::WhiteBack},
    {.name = "选择题内容区", .kind = Kind::Frame, .left = 120, .top = 2400, .width = 13335, .height = 3255, .flags = F::Hidden},
    {.name = "题号", .kind = Kind::TextBox, .parent = "选择题内容区", .left = 120, .top = 240, .width = 615, .height = 375, .flags = F::NoBorder},
    {.name = "选择题题干", .kind = Kind::TextArea, .parent = "选择题内容区", .left = 840, .top = 240, .width = 12375, .height = 735, .back = kTextBack},
    {.name = "选项A", .kind = Kind::TextBox, .parent = "选择题内容区", .left = 240, .top = 1005, .width = 12855, .height = 420, .back = kTextBack},
    {.name = "选项B", .kind = Kind::TextBox, .parent = "选择题内容区", .left = 240, .top = 1545, .width = 12855, .height = 420, .back = kTextBack},
    {.name = "选项C", .kind = Kind::TextBox, .parent = "选择题内容区", .left = 240, .top = 2100, .width = 12855, .height = 420, .back = kTextBack},
    {.name = "选项D", .kind = Kind::TextBox, .parent = "选择题内容区", .left = 240, .top = 2640, .width = 12855, .height = 420, .back = kTextBack},
    {.name = "操作题题号", .kind = Kind::Frame, .left = 120, .top = 5760, .width = 855, .height = 2895, .caption = "题号", .flags = F::Hidden},
    {.name = "c01", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 360, .width = 615, .height = 375, .caption = "01"},
    {.name = "c02", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 768, .width = 615, .height = 375, .caption = "02"},
    {.name = "c03", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 1176, .width = 615, .height = 375, .caption = "03"},
    {.name = "c04", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 1584, .width = 615, .height = 375, .caption = "04"},
    {.name = "c05", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 1992, .width = 615, .height = 375, .caption = "05"},
    {.name = "c06", .kind = Kind::Button, .parent = "操作题题号", .left = 120, .top = 2400, .width = 615, .height = 375, .caption = "06"},
    {.name = "样式区", .kind = Kind::Frame, .left = 1080, .top = 8640, .width = 8535, .height = 3495, .caption = "样式"},
    {.name = "Picture1", .kind = Kind::Picture, .parent = "样式区", .left = 120, .top = 240, .width = 8295, .height = 3015},
    {.name = "占位区", .kind = Kind::Frame, .left = 1080, .top = 6360, .width = 8535, .height = 2895, .caption = "题目内容"},
    {.name = "占位文本", .kind = Kind::TextArea, .parent = "占位区", .left = 120, .top = 240, .width = 8295, .height = 2055, .back = kTextBack},
    {.name = "操作题内容区", .kind = Kind::Frame, .left = 1080, .top = 5760, .width = 8535, .height = 2895, .caption = "题目内容"},
    {.name = "操作题题目内容", .kind = Kind::TextArea, .parent = "操作题内容区", .left = 120, .top = 240, .width = 8295, .height = 2055, .back = kTextBack},
    {.name = "考生文件夹", .kind = Kind::Button, .parent = "操作题内容区", .left = 120, .top = 2400, .width = 1215, .height = 375, .caption = "考生文件夹", .flags = F::Hidden, .font = kYahei},
    {.name = "打开题目", .kind = Kind::Button, .parent = "操作题内容区", .left = 1440, .top = 2400, .width = 1215, .height = 375, .caption = "打开题目", .flags = F::Hidden, .font = kYahei},
    {.name = "样式上一张", .kind = Kind::Button, .parent = "操作题内容区", .left = 2880, .top = 2400, .width = 615, .height = 375, .caption = "←", .flags = F::Hidden, .font = kYahei},
    {.name = "样式", .kind = Kind::Button, .parent = "操作题内容区", .left = 3557, .top = 2400, .width = 1300, .height = 375, .caption = "样   式", .flags = 0, .font = kYahei},
    {.name = "折叠", .kind = Kind::Button, .parent = "操作题内容区", .left = 3557, .top = 2400, .width = 1300, .height = 375, .caption = "折   叠", .flags = F::Hidden, .font = kYahei},
    {.name = "样式下一张", .kind = Kind::Button, .parent = "操作题内容区", .left = 4920, .top = 2400, .width = 615, .height = 375, .caption = "→", .flags = F::Hidden, .font = kYahei},
    {.name = "恢复本题", .kind = Kind::Button, .parent = "操作题内容区", .left = 6960, .top = 2400, .width = 1455, .height = 375, .caption = "恢复本题", .flags = 0, .font = kYahei},
    {.name = "试卷生成中提示", .kind = Kind::Frame, .left = 3960, .top = 13440, .width = 9495, .height = 1695, .flags = F::Hidden | F::NoBorder, .back = 0xFFF0F0F0},
    {.name = "Label55", .kind = Kind::Label, .parent = "试卷生成中提示", .left = 2400, .top = 840, .width = 5000, .height = 420, .caption = "试卷生成中，请稍候......", .font = kYaheiBold},
    {.name = "ProgressBar1", .kind = Kind::Progress, .parent = "试卷生成中提示", .left = 1200, .top = 1440, .width = 7095, .height = 300},
};
}  // namespace

forms::Design mockTestWindowDesign() { return kDesign; }

}  // namespace mocktest
