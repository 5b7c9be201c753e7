#include "theory/randomtheory_design.h"

#include "theory/randomtheory.h"

namespace theory {

using forms::Control;
using forms::Kind;
namespace F = forms;

// Client area 11280 x 7440; the outer size adds the border and title bar.
const forms::WindowSpec kRandomTheorySpec{RandomTheoryWindow::kName, "强化训练（理论题）", 11370, 7875,
                                          F::FixedSingle | F::NoMinMax};

namespace {

constexpr F::Font kText{"微软雅黑", 10.5};
constexpr F::Font kSmall{"微软雅黑", 9};

#define QUESTION_BUTTON(N, TOP)                                                                                     \
    {.name = "第" #N "题", .kind = Kind::Button, .left = 360, .top = TOP, .width = 700, .height = 375,              \
     .caption = "第" #N "题", .font = kSmall}
#define ANSWER_BOX(NAME, PARENT, N, LEFT)                                                                            \
    {.name = NAME, .kind = Kind::TextBox, .parent = PARENT, .left = LEFT, .top = 360, .width = 735, .height = 375, \
     .font = kText}

const Control kDesign[] = {
    {.name = "换一批", .kind = Kind::Button, .left = 120, .top = 480, .width = 1455, .height = 375, .caption = "换一批",
     .flags = F::Hidden, .font = kSmall},
    {.name = "题号框", .kind = Kind::Frame, .left = 120, .top = 960, .width = 1215, .height = 3495, .font = kText},
    QUESTION_BUTTON(1, 1200),
    QUESTION_BUTTON(2, 1725),
    QUESTION_BUTTON(3, 2250),
    QUESTION_BUTTON(4, 2790),
    QUESTION_BUTTON(5, 3315),
    QUESTION_BUTTON(6, 3840),
    {.name = "Frame1", .kind = Kind::Frame, .left = 1560, .top = 960, .width = 9615, .height = 3495, .font = kText},
    {.name = "题序", .kind = Kind::Label, .parent = "Frame1", .left = 0, .top = 240, .width = 555, .height = 300,
     .font = kText},
    {.name = "题目内容", .kind = Kind::Label, .parent = "Frame1", .left = 520, .top = 240, .width = 8880, .height = 300,
     .flags = F::AutoSize | F::WordWrap, .font = kText},
    {.name = "选项A", .kind = Kind::Label, .parent = "Frame1", .left = 240, .top = 960, .width = 9240, .height = 300,
     .flags = F::AutoSize | F::WordWrap, .font = kText},
    {.name = "选项B", .kind = Kind::Label, .parent = "Frame1", .left = 240, .top = 1360, .width = 9240, .height = 300,
     .flags = F::AutoSize | F::WordWrap, .font = kText},
    {.name = "选项C", .kind = Kind::Label, .parent = "Frame1", .left = 240, .top = 1760, .width = 9240, .height = 300,
     .flags = F::AutoSize | F::WordWrap, .font = kText},
    {.name = "选项D", .kind = Kind::Label, .parent = "Frame1", .left = 240, .top = 2160, .width = 9240, .height = 300,
     .flags = F::AutoSize | F::WordWrap, .font = kText},
    {.name = "答题卡", .kind = Kind::Frame, .left = 2963, .top = 4680, .width = 5355, .height = 900, .caption = "答题卡",
     .font = kText},
    ANSWER_BOX("第1题答案", "答题卡", 1, 120),
    ANSWER_BOX("第2题答案", "答题卡", 2, 1080),
    ANSWER_BOX("第3题答案", "答题卡", 3, 1920),
    ANSWER_BOX("第4题答案", "答题卡", 4, 2760),
    ANSWER_BOX("第5题答案", "答题卡", 5, 3600),
    ANSWER_BOX("第6题答案", "答题卡", 6, 4440),
    {.name = "参考答案", .kind = Kind::Frame, .left = 2963, .top = 5880, .width = 5355, .height = 900,
     .caption = "参考答案", .flags = F::Hidden, .font = kText},
    ANSWER_BOX("参考答案1", "参考答案", 1, 120),
    ANSWER_BOX("参考答案2", "参考答案", 2, 1080),
    ANSWER_BOX("参考答案3", "参考答案", 3, 1920),
    ANSWER_BOX("参考答案4", "参考答案", 4, 2760),
    ANSWER_BOX("参考答案5", "参考答案", 5, 3600),
    ANSWER_BOX("参考答案6", "参考答案", 6, 4440),
    {.name = "提交答案", .kind = Kind::Button, .left = 5100, .top = 5760, .width = 1080, .height = 855,
     .caption = "提  交  答  案", .font = {"微软雅黑", 12}},
};

#undef QUESTION_BUTTON
#undef ANSWER_BOX

}  // namespace

forms::Design randomTheoryDesign() { return kDesign; }

}  // namespace theory
