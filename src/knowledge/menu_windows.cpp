// windows知识点窗格: the Windows mind-map menu. No branches: its three points
// are always visible and its root button does nothing.
#include "knowledge/mindmap.h"
#include "knowledge/mindmap_design.h"

namespace knowledge {
namespace windows {
using namespace design;

const Control kDesign[] = {
    line("Line1", 5160, 4440, 8880, 4440, kShown),
    line("Line2", 6960, 4920, 6960, 6600, kShown),
    line("Line3", 5640, 2520, 8280, 2520, kShown, kDecorationColour),
    line("Line31", 6840, 2520, 6840, 3960, kShown),
    line("Line32", 7080, 2520, 7080, 3840, kShown),

    title("windows知识点实训标题", 4800, 1680, 4335, 735, true),
    root("windows", 6360, 3840),
    button("新建文件", "新建", 4200, 4080, 975, 735, kShown),
    button("移动与查找", "移动", 8760, 4080, 975, 735, kShown),
    button("压缩", "压缩", 6480, 6240, 975, 735, kShown),
};

constexpr const char* kPoints[] = {"新建文件", "移动与查找", "压缩"};

}  // namespace windows

const MenuSpec kWindowsMenu{
    .window = design::window("windows知识点窗格", "知识点_Windows思维导图", 10275),
    .kind = "windows",
    .extension = "win",
    .titleLabel = "windows知识点实训标题",
    .titleLine1 = "Windows7知识点",
    .modeTitle = "知识点_Windows思维导图",
    .design = windows::kDesign,
    .firstLevel = {},
    .branches = {},
    .points = windows::kPoints,
};

}  // namespace knowledge
