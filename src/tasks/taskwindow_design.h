#pragma once
// Design of 任务项目窗格: the office layout (task title, choice, content,
// hand-in, knowledge points, style panel) and the two pages of the Windows
// sheet, each a frame that the window shows for its area.
#include "forms/design.h"
#include "forms/form.h"

namespace tasks {

extern const forms::WindowSpec kTaskWindowSpec;
forms::Design taskWindowDesign();

// Margins the layouts add to their frames (twips).
inline constexpr int kOfficeWidthMargin = 120;
inline constexpr int kOfficeHeightMargin = 1300;
inline constexpr int kPage1WidthMargin = 100;
inline constexpr int kPage1HeightMargin = 440;
inline constexpr int kPage2WidthMargin = 80;
inline constexpr int kPage2HeightMargin = 400;

}  // namespace tasks
