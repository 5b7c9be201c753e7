#include "knowledge/exercisewindow_design.h"

#include "knowledge/exercisewindow.h"

namespace knowledge {

using forms::Control;
using forms::Kind;
namespace F = forms;

const forms::WindowSpec kExerciseWindowSpec{ExerciseWindow::kName, "知识点与课本实训", 8850, 6000,
                                            F::FixedSingle | F::NoMinMax | F::CenterScreen};

namespace {
constexpr F::Font kYahei{"微软雅黑"};

const Control kExerciseDesign[] = {
    {.name = "题目内容", .kind = Kind::TextArea, .left = 120, .top = 720, .width = 8565, .height = 1815, .caption = "题目内容", .back = 0xFFFFFFC0},
    {.name = "注", .kind = Kind::Label, .left = 0, .top = 360, .width = 630, .height = 300, .caption = "【注】", .flags = F::AutoSize},
    {.name = "打开题目", .kind = Kind::Button, .left = 5280, .top = 2640, .width = 975, .height = 495, .caption = "打开题目", .font = kYahei},
    {.name = "恢复本题", .kind = Kind::Button, .left = 6480, .top = 2640, .width = 975, .height = 495, .caption = "恢复本题", .font = kYahei},
    {.name = "操作视频", .kind = Kind::Button, .left = 7680, .top = 2640, .width = 975, .height = 495, .caption = "操作视频", .font = kYahei},
    {.name = "参考样式", .kind = Kind::Button, .left = 4110, .top = 2640, .width = 975, .height = 495, .caption = "样式", .flags = F::Hidden, .font = kYahei},
    {.name = "折叠样式", .kind = Kind::Button, .left = 3870, .top = 2640, .width = 975, .height = 350, .caption = "折叠", .flags = F::Hidden, .font = kYahei},
    {.name = "上一张", .kind = Kind::Button, .left = 3600, .top = 3050, .width = 680, .height = 350, .caption = "上一张", .flags = F::Hidden, .font = kYahei},
    {.name = "下一张", .kind = Kind::Button, .left = 4440, .top = 3050, .width = 680, .height = 350, .caption = "下一张", .flags = F::Hidden, .font = kYahei},
    {.name = "Picture1", .kind = Kind::Picture, .left = 2137, .top = 3480, .width = 4440, .height = 1755},
};
}  // namespace

forms::Design exerciseWindowDesign() { return kExerciseDesign; }

}  // namespace knowledge
