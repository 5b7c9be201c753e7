#include "exam/examwindow_design.h"

#include "exam/examwindow.h"

namespace exam {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kExamWindowSpec{ExamWindow::kName, "期末考查", 10095 + kPanelWidthMargin,
                                        6255 + kPanelHeightMargin};

namespace {
constexpr F::Font kYahei{"微软雅黑"};
constexpr F::Font kYahei12{"微软雅黑", 12};
constexpr F::Font kTitle{"微软雅黑", 22, true};
constexpr F::Font kPageTitle{"微软雅黑", 12, true};
constexpr F::Font kTypeFont{"微软雅黑", 14, true};
constexpr QRgb kTextBack = 0xFFFFFFC0;

// The choice grid: a question's button above its answer box.
#define CHOICE(n_, bl_, xl_)                                                                                             \
    {.name = "第" n_ "题", .kind = Kind::Button, .parent = "Frame1", .left = bl_, .top = 360, .width = 675, .height = 360, .caption = n_}, \
    {.name = "第" n_ "题选择答案", .kind = Kind::TextBox, .parent = "Frame1", .left = xl_, .top = 960, .width = 675, .height = 405, .flags = F::WhiteBack}
#define VLINE(x_) {.name = "Line_v" #x_, .kind = Kind::Line, .parent = "Frame1", .x1 = x_, .y1 = 240, .x2 = x_, .y2 = 1440}

const Control kDesign[] = {
    // ---- introduction ----------------------------------------------------
    {.name = "综合考查简介", .kind = Kind::Frame, .left = 0, .top = -120, .width = 10095, .height = 6255, .flags = F::Hidden | F::NoBorder},
    {.name = "标题", .kind = Kind::Label, .parent = "综合考查简介", .left = 600, .top = 840, .width = 8895, .height = 735, .caption = "《Corvanth》期末综合考查", .flags = F::Centered, .font = kTitle},
    {.name = "考查简介", .kind = Kind::Label, .parent = "综合考查简介", .left = 3000, .top = 2040, .width = 4800, .height = 1575,
     .caption = "1、时间：2小时\r\n2、内容：Corvanth知识\r\n3、形式：选择题  +  操作题", .font = kYahei12},
    {.name = "Frame5", .kind = Kind::Frame, .parent = "综合考查简介", .left = 2940, .top = 4080, .width = 4215, .height = 990, .flags = F::NoBorder},
    {.name = "ProgressBar3", .kind = Kind::Progress, .parent = "Frame5", .left = 120, .top = 120, .width = 3975, .height = 750},
    {.name = "开始考试", .kind = Kind::Button, .parent = "Frame5", .left = 120, .top = 120, .width = 3975, .height = 745, .caption = "开  始  考  试", .font = kTypeFont},

    // ---- question-type panel ---------------------------------------------
    {.name = "题型选择区", .kind = Kind::Frame, .left = 30, .top = -120, .width = 10095, .height = 6255, .flags = F::Hidden | F::NoBorder},
    {.name = "任务提交区", .kind = Kind::Frame, .parent = "题型选择区", .left = 240, .top = 720, .width = 5580, .height = 1215, .caption = "交卷"},
    {.name = "操作题选择提交路径", .kind = Kind::Button, .parent = "任务提交区", .left = 120, .top = 240, .width = 1100, .height = 375, .caption = "交卷路径", .font = kYahei},
    {.name = "操作题保存路径", .kind = Kind::TextBox, .parent = "任务提交区", .left = 1320, .top = 240, .width = 4155, .height = 375, .back = kTextBack},
    {.name = "操作题提交", .kind = Kind::Button, .parent = "任务提交区", .left = 120, .top = 720, .width = 1100, .height = 375, .caption = "交    卷", .font = kYahei},
    {.name = "ProgressBar2", .kind = Kind::Progress, .parent = "任务提交区", .left = 1320, .top = 720, .width = 4155, .height = 375},
    {.name = "理论题", .kind = Kind::Button, .parent = "题型选择区", .left = 240, .top = 2280, .width = 5580, .height = 3240, .caption = "选 择 题", .font = kTypeFont},
    {.name = "操作题word", .kind = Kind::Button, .parent = "题型选择区", .left = 6120, .top = 720, .width = 3735, .height = 800, .caption = "操 作 题_Word", .font = kYahei12},
    {.name = "操作题excel", .kind = Kind::Button, .parent = "题型选择区", .left = 6120, .top = 1720, .width = 3735, .height = 800, .caption = "操 作 题_Excel", .font = kYahei12},
    {.name = "操作题ppt", .kind = Kind::Button, .parent = "题型选择区", .left = 6120, .top = 2720, .width = 3735, .height = 800, .caption = "操 作 题_PowerPoint", .font = kYahei12},
    {.name = "操作题windows", .kind = Kind::Button, .parent = "题型选择区", .left = 6120, .top = 3720, .width = 3735, .height = 800, .caption = "操 作 题_Windows", .font = kYahei12},
    {.name = "操作题network", .kind = Kind::Button, .parent = "题型选择区", .left = 6120, .top = 4720, .width = 3735, .height = 800, .caption = "操 作 题_Network", .font = kYahei12},

    // ---- operation page --------------------------------------------------
    {.name = "操作题区", .kind = Kind::Frame, .left = 30, .top = 0, .width = 10095, .height = 7695, .flags = F::Hidden | F::NoBorder},
    {.name = "操作题标题", .kind = Kind::Label, .parent = "操作题区", .left = 495, .top = 720, .width = 5025, .height = 375, .font = kPageTitle},
    {.name = "操作题内容区", .kind = Kind::Frame, .parent = "操作题区", .left = 240, .top = 1200, .width = 9675, .height = 2895},
    // The back button's frame lies under the left edge of the question box.
    {.name = "Frame3", .kind = Kind::Frame, .parent = "操作题内容区", .left = 120, .top = 150, .width = 735, .height = 2145, .flags = F::NoBorder},
    {.name = "c返回", .kind = Kind::Button, .parent = "Frame3", .left = 20, .top = 120, .width = 450, .height = 2000, .caption = "←", .tip = "返回题型选择"},
    {.name = "操作题题目内容", .kind = Kind::TextArea, .parent = "操作题内容区", .left = 600, .top = 240, .width = 9040, .height = 2055, .back = kTextBack},
    {.name = "考生文件夹", .kind = Kind::Button, .parent = "操作题内容区", .left = 1080, .top = 2400, .width = 375, .height = 375, .caption = "M", .flags = F::Hidden, .tip = "考生文件夹"},
    {.name = "开始答题", .kind = Kind::Button, .parent = "操作题内容区", .left = 1920, .top = 2400, .width = 1545, .height = 375, .caption = "开始答题", .font = kYahei},
    {.name = "样式上一张", .kind = Kind::Button, .parent = "操作题内容区", .left = 3960, .top = 2400, .width = 615, .height = 375, .caption = "←", .flags = F::Hidden},
    {.name = "样式", .kind = Kind::Button, .parent = "操作题内容区", .left = 4635, .top = 2400, .width = 1300, .height = 375, .caption = "样 式(样 图)", .flags = F::Hidden, .font = kYahei},
    {.name = "折叠", .kind = Kind::Button, .parent = "操作题内容区", .left = 4635, .top = 2400, .width = 1300, .height = 375, .caption = "折   叠", .flags = F::Hidden, .font = kYahei},
    {.name = "样式下一张", .kind = Kind::Button, .parent = "操作题内容区", .left = 6000, .top = 2400, .width = 615, .height = 375, .caption = "→", .flags = F::Hidden},
    {.name = "恢复本题", .kind = Kind::Button, .parent = "操作题内容区", .left = 7200, .top = 2400, .width = 1545, .height = 375, .caption = "恢复本题", .font = kYahei},
    {.name = "样式区", .kind = Kind::Frame, .parent = "操作题区", .left = 240, .top = 4100, .width = 9615, .height = 3495, .caption = "样式", .flags = F::Hidden},
    {.name = "Picture1", .kind = Kind::Picture, .parent = "样式区", .left = 120, .top = 240, .width = 9375, .height = 3015},

    // ---- choice page -----------------------------------------------------
    {.name = "选择题区", .kind = Kind::Frame, .left = 30, .top = -120, .width = 10095, .height = 6255, .flags = F::Hidden | F::NoBorder | F::WhiteBack},
    {.name = "选择题标题", .kind = Kind::Label, .parent = "选择题区", .left = 720, .top = 720, .width = 4695, .height = 375, .caption = "======＞选    择    题＜======", .font = kPageTitle},
    // The question area lies under the foot of the answer grid.
    {.name = "选择题题目区", .kind = Kind::Frame, .parent = "选择题区", .left = 240, .top = 2565, .width = 9495, .height = 3255, .flags = F::NoBorder | F::WhiteBack},
    {.name = "Frame1", .kind = Kind::Frame, .parent = "选择题区", .left = 240, .top = 1200, .width = 9705, .height = 1575, .flags = F::NoBorder},
    VLINE(110), VLINE(495), VLINE(1095), VLINE(1935), VLINE(2775), VLINE(3615), VLINE(4455), VLINE(5295), VLINE(6135),
    VLINE(6975), VLINE(7815), VLINE(8655), VLINE(9495),
    {.name = "Line_h240", .kind = Kind::Line, .parent = "Frame1", .x1 = 98, .y1 = 240, .x2 = 9495, .y2 = 240},
    {.name = "Line_h1440", .kind = Kind::Line, .parent = "Frame1", .x1 = 98, .y1 = 1440, .x2 = 9495, .y2 = 1440},
    {.name = "Line_h840", .kind = Kind::Line, .parent = "Frame1", .x1 = 495, .y1 = 840, .x2 = 9495, .y2 = 840},
    {.name = "x返回", .kind = Kind::Button, .parent = "Frame1", .left = 142, .top = 278, .width = 315, .height = 1103, .caption = "←", .tip = "保存答案并返回"},
    {.name = "题号", .kind = Kind::Label, .parent = "Frame1", .left = 575, .top = 360, .width = 435, .height = 300, .caption = "题号"},
    {.name = "答案", .kind = Kind::Label, .parent = "Frame1", .left = 575, .top = 960, .width = 435, .height = 300, .caption = "答案"},
    CHOICE("01", 1185, 1185), CHOICE("02", 2025, 2025), CHOICE("03", 2865, 2850), CHOICE("04", 3705, 3720),
    CHOICE("05", 4545, 4575), CHOICE("06", 5385, 5415), CHOICE("07", 6225, 6255), CHOICE("08", 7065, 7095),
    CHOICE("09", 7905, 7935), CHOICE("10", 8745, 8775),
    {.name = "选择题题目内容", .kind = Kind::Label, .parent = "选择题题目区", .left = 120, .top = 240, .width = 9375, .height = 300, .flags = F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei},
    {.name = "A", .kind = Kind::Label, .parent = "选择题题目区", .left = 360, .top = 840, .width = 9375, .height = 300, .flags = F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei},
    {.name = "B", .kind = Kind::Label, .parent = "选择题题目区", .left = 360, .top = 1240, .width = 9375, .height = 300, .flags = F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei},
    {.name = "C", .kind = Kind::Label, .parent = "选择题题目区", .left = 360, .top = 1640, .width = 9375, .height = 300, .flags = F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei},
    {.name = "D", .kind = Kind::Label, .parent = "选择题题目区", .left = 360, .top = 2040, .width = 9285, .height = 300, .flags = F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei},
};

#undef CHOICE
#undef VLINE

}  // namespace

forms::Design examWindowDesign() { return kDesign; }

}  // namespace exam
