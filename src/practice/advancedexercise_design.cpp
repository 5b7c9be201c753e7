#include "practice/advancedexercise_design.h"

#include "practice/advancedexercise.h"

namespace practice {

using forms::Control;
using forms::Kind;
namespace F = forms;

// Client area 8625 x 9855 twips; the outer size adds the border and the
// title bar.
const forms::WindowSpec kAdvancedExerciseSpec{AdvancedExerciseWindow::kName, "高级应用（二级）练习", 8715, 10290,
                                              F::FixedSingle | F::NoMinMax | F::CenterScreen, 0xFFFFFFFF};

namespace {
constexpr F::Font kYahei{"微软雅黑", 9};
constexpr F::Font kYaheiText{"微软雅黑", 10.5};

const Control kAdvancedExerciseDesign[] = {
    {.name = "注", .kind = Kind::Label, .left = 0, .top = 360, .width = 3495, .height = 255, .caption = "【注意：考生文件夹路径为D:\\考生文件夹】", .flags = F::AutoSize, .font = kYahei},
    {.name = "题目内容", .kind = Kind::TextArea, .left = 120, .top = 600, .width = 8445, .height = 2055, .caption = "题目内容", .font = kYaheiText, .back = 0xFFFFFFC0},
    {.name = "参考效果", .kind = Kind::Button, .left = 3747, .top = 2760, .width = 1100, .height = 495, .caption = "展开样图", .flags = F::Hidden, .font = kYahei},
    {.name = "收起效果", .kind = Kind::Button, .left = 3747, .top = 2760, .width = 1100, .height = 495, .caption = "折叠样图", .flags = F::Hidden, .font = kYahei},
    {.name = "打开题目", .kind = Kind::Button, .left = 5160, .top = 2760, .width = 975, .height = 495, .caption = "打开题目", .font = kYahei},
    {.name = "恢复本题", .kind = Kind::Button, .left = 6360, .top = 2760, .width = 975, .height = 495, .caption = "恢复本题", .font = kYahei},
    {.name = "操作视频", .kind = Kind::Button, .left = 7560, .top = 2760, .width = 975, .height = 495, .caption = "操作视频", .font = kYahei},
    {.name = "上一张", .kind = Kind::Button, .left = 3480, .top = 3360, .width = 765, .height = 345, .caption = "上一张", .font = kYahei},
    {.name = "下一张", .kind = Kind::Button, .left = 4440, .top = 3360, .width = 765, .height = 345, .caption = "下一张", .font = kYahei},
    {.name = "Picture1", .kind = Kind::Picture, .left = 1200, .top = 3720, .width = 6000, .height = 3000, .flags = F::Hidden},
    {.name = "File1", .kind = Kind::FileList, .left = 4560, .top = 0, .width = 735, .height = 270},
};
}  // namespace

forms::Design advancedExerciseDesign() { return kAdvancedExerciseDesign; }

}  // namespace practice
