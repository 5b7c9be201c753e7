#include "practice/randompractice_design.h"

#include "practice/randompractice.h"

namespace practice {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kRandomPracticeSpec{RandomPracticeWindow::kName, "知识点随机练习", kRandomPracticeWidth,
                                            kRandomPracticeFoldedHeight, F::FixedSingle | F::NoMinMax | F::CenterScreen,
                                            0xFFFFFFFF};

namespace {
constexpr F::Font kStart{"微软雅黑", 12};
constexpr F::Font kText{"微软雅黑", 10.5};
constexpr F::Font kSmall{"微软雅黑", 9};
constexpr F::Font kArrow{"微软雅黑", 12, true};

// Picture1 lies below the lower edge of the folded window; unfolding the
// reference pictures grows the window down to it.
const Control kRandomPracticeDesign[] = {
    {.name = "Picture1", .kind = Kind::Picture, .left = 2085, .top = 3480, .width = 4440, .height = 1755},
    {.name = "开始", .kind = Kind::Button, .left = 3120, .top = 1320, .width = 1815, .height = 495, .caption = "开始练习", .font = kStart},
    {.name = "注", .kind = Kind::Label, .left = 120, .top = 360, .width = 3990, .height = 300,
     .caption = "【注意：没有要求操作的项目请不要更改】", .flags = F::Hidden, .font = kText},
    {.name = "题目内容", .kind = Kind::TextArea, .left = 120, .top = 720, .width = 8445, .height = 1815, .caption = "题目内容",
     .flags = F::Hidden, .font = kText, .back = 0xFFFFFFC0},
    {.name = "下一题", .kind = Kind::Button, .left = 120, .top = 2640, .width = 975, .height = 495, .caption = "Next", .flags = F::Hidden, .font = kSmall},
    {.name = "参考样式", .kind = Kind::Button, .left = 3960, .top = 2640, .width = 975, .height = 495, .caption = "样式", .flags = F::Hidden, .font = kSmall},
    {.name = "折叠样式", .kind = Kind::Button, .left = 3818, .top = 2640, .width = 975, .height = 350, .caption = "折叠", .flags = F::Hidden},
    {.name = "打开题目", .kind = Kind::Button, .left = 5160, .top = 2640, .width = 975, .height = 495, .caption = "打开题目", .flags = F::Hidden, .font = kSmall},
    {.name = "恢复本题", .kind = Kind::Button, .left = 6360, .top = 2640, .width = 975, .height = 495, .caption = "恢复本题", .flags = F::Hidden, .font = kSmall},
    {.name = "操作视频", .kind = Kind::Button, .left = 7560, .top = 2640, .width = 975, .height = 495, .caption = "操作视频", .flags = F::Hidden, .font = kSmall},
    {.name = "上一张", .kind = Kind::Button, .left = 3600, .top = 3045, .width = 680, .height = 350, .caption = "←", .flags = F::Hidden, .font = kArrow},
    {.name = "下一张", .kind = Kind::Button, .left = 4320, .top = 3050, .width = 680, .height = 350, .caption = "→", .flags = F::Hidden, .font = kArrow},
};
}  // namespace

forms::Design randomPracticeDesign() { return kRandomPracticeDesign; }

}  // namespace practice
