#include "theory/moduledrill_design.h"

#include "theory/moduledrill.h"

#include <deque>
#include <string>
#include <vector>

namespace theory {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kModuleDrillSpec{ModuleDrillWindow::kName, "知识点_基础知识", kDrillWidth, kDrillHeight,
                                         F::FixedSingle | F::NoMinMax | F::CenterScreen};

int drillColumnLeft(int n) { return n == kQuestions ? 14400 : 120 + 751 * (n - 1); }

namespace {

constexpr F::Font kYahei105{"微软雅黑", 10.5};
constexpr F::Font kYahei12{"微软雅黑", 12};
constexpr F::Font kSong9{"宋体", 9};
constexpr QRgb kPink = 0xFFFFC0C0;
constexpr QRgb kButtonFace = 0xFFF0F0F0;

// Rows of the question area (Top inside 选择题区1). The explanation row lies
// inside the area's open height, so its buttons can be seen and clicked.
constexpr int kQuestionRow = 240;
constexpr int kAnswerRow = 840;
constexpr int kKeyRow = 1440;
constexpr int kExplainRow = 2040;
constexpr int kCellW = 655;
constexpr int kCellH = 495;

const Control kFixed[] = {
    {.name = "word知识点实训标题", .kind = Kind::Label, .left = 5550, .top = 960, .width = 4335, .height = 375,
     .caption = "基 础 知 识", .flags = F::Centered, .font = {"微软雅黑", 14.25}},
    {.name = "Line22_2", .kind = Kind::Line, .x1 = 0, .y1 = 1560, .x2 = 15300, .y2 = 1560},
    {.name = "Line22_1", .kind = Kind::Line, .x1 = 0, .y1 = 3360, .x2 = 15300, .y2 = 3360},
    {.name = "Command66", .kind = Kind::Button, .left = 1080, .top = 1680, .width = 900, .height = 1575,
     .caption = "    信         息         安      全", .font = kYahei105},
    {.name = "Command65", .kind = Kind::Button, .left = 2040, .top = 1680, .width = 900, .height = 1575,
     .caption = "    网         络         基      础", .font = kYahei105},
    {.name = "Command67", .kind = Kind::Button, .left = 3000, .top = 1680, .width = 900, .height = 1575,
     .caption = "    基         本         素      养", .font = kYahei105},
    {.name = "简述", .kind = Kind::Label, .left = 4020, .top = 1680, .width = 7395, .height = 1575, .caption = "未选择模块",
     .flags = F::WordWrap, .font = kYahei105},
    {.name = "Command61", .kind = Kind::Button, .left = 11520, .top = 1680, .width = 900, .height = 1575,
     .caption = "    思         维      I", .font = kYahei105},
    {.name = "Command62", .kind = Kind::Button, .left = 12485, .top = 1680, .width = 900, .height = 1575,
     .caption = "    思         维      II", .font = kYahei105},
    {.name = "Command63", .kind = Kind::Button, .left = 13450, .top = 1680, .width = 900, .height = 1575,
     .caption = "    思         维      III", .font = kYahei105},
    {.name = "Command64", .kind = Kind::Button, .left = 14415, .top = 1680, .width = 900, .height = 1575,
     .caption = "    思         维       IV", .font = kYahei105},
    {.name = "重做", .kind = Kind::Button, .left = 120, .top = 3480, .width = 1935, .height = 495, .caption = "重 做 题 目",
     .flags = F::Hidden, .font = kYahei105},
    {.name = "模块名", .kind = Kind::Label, .left = 5355, .top = 3480, .width = 4575, .height = 420, .caption = "未选择模块",
     .flags = F::Hidden | F::Centered, .font = {"微软雅黑", 15.75}},
    {.name = "开始练习", .kind = Kind::Button, .left = 6720, .top = 3480, .width = 1935, .height = 495,
     .caption = "开 始 练 习", .font = kYahei105},
    {.name = "退出模块", .kind = Kind::Button, .left = 13320, .top = 3480, .width = 1935, .height = 495,
     .caption = "重 选 模 块", .flags = F::Hidden, .font = kYahei105},
    {.name = "选择题区1", .kind = Kind::Frame, .left = 120, .top = 3960, .width = 15175, .height = 2000,
     .flags = F::Hidden},
};

// Below the question area, which opens 2640 high: the stem and options sit
// lower than the area's bottom (3960 + 2640).
const Control kBelow[] = {
    {.name = "题", .kind = Kind::Label, .left = 240, .top = 6840, .width = 15075, .height = 315,
     .flags = F::Hidden | F::AutoSize | F::WordWrap | F::WhiteBack, .font = kYahei12},
    {.name = "A", .kind = Kind::Label, .left = 360, .top = 7560, .width = 14895, .height = 450,
     .flags = F::Hidden | F::WordWrap | F::WhiteBack, .font = kYahei12},
    {.name = "B", .kind = Kind::Label, .left = 360, .top = 8040, .width = 14895, .height = 450,
     .flags = F::Hidden | F::WordWrap | F::WhiteBack, .font = kYahei12},
    {.name = "C", .kind = Kind::Label, .left = 360, .top = 8520, .width = 14895, .height = 450,
     .flags = F::Hidden | F::WordWrap | F::WhiteBack, .font = kYahei12},
    {.name = "D", .kind = Kind::Label, .left = 360, .top = 9000, .width = 14895, .height = 450,
     .flags = F::Hidden | F::WordWrap | F::WhiteBack, .font = kYahei12},
    {.name = "解析", .kind = Kind::Frame, .left = 3120, .top = 9600, .width = 12135, .height = 1215, .caption = "解    析",
     .flags = F::Hidden, .font = kYahei105},
    {.name = "Tips", .kind = Kind::Label, .parent = "解析", .left = 840, .top = 360, .width = 11085, .height = 735,
     .caption = "Label21", .flags = F::Hidden | F::WordWrap, .font = kYahei105},
};

const char* keep(std::deque<std::string>& store, std::string s)
{
    store.push_back(std::move(s));
    return store.back().c_str();
}

std::vector<Control> build()
{
    static std::deque<std::string> names;
    std::vector<Control> d(std::begin(kFixed), std::end(kFixed));
    const auto cell = [&](int number, Kind kind, int n, int top, const char* caption, unsigned flags, F::Font font,
                          QRgb back) {
        Control c{.name = keep(names, (kind == Kind::Button ? "Command" : "Text") + std::to_string(number)),
                  .kind = kind,
                  .parent = "选择题区1",
                  .left = drillColumnLeft(n),
                  .top = top,
                  .width = kCellW,
                  .height = kCellH,
                  .caption = caption,
                  .flags = flags,
                  .font = font,
                  .back = back};
        d.push_back(c);
    };
    static std::deque<std::string> captions;
    for (int n = 1; n <= kQuestions; ++n) {
        const std::string two = (n < 10 ? "0" : "") + std::to_string(n);
        cell(n, Kind::Button, n, kQuestionRow, keep(captions, two), 0, kYahei105, 0);
        cell(n, Kind::TextBox, n, kAnswerRow, "", 0, kYahei105, 0);
    }
    // Key boxes first, so that a key button shown at the same place lies
    // above its box.
    for (int n = 1; n <= kQuestions; ++n) cell(20 + n, Kind::TextBox, n, kKeyRow, "", 0, kYahei105, kButtonFace);
    for (int n = 1; n <= kQuestions; ++n) cell(20 + n, Kind::Button, n, kKeyRow, "○", 0, kSong9, n == 1 ? kPink : 0);
    for (int n = 1; n <= kQuestions; ++n) cell(40 + n, Kind::Button, n, kExplainRow, "□", 0, kSong9, kPink);
    d.insert(d.end(), std::begin(kBelow), std::end(kBelow));
    return d;
}

}  // namespace

forms::Design moduleDrillDesign()
{
    static const std::vector<Control> design = build();
    return design;
}

}  // namespace theory
