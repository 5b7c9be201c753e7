#pragma once
// Building blocks of the menus' design tables (twips, relative to the window).
#include "forms/design.h"

namespace knowledge::design {

using forms::Control;
using forms::Kind;

inline constexpr forms::Font kPointFont{"微软雅黑", 10.5};
inline constexpr forms::Font kTitleFont{"微软雅黑", 14.25};
inline constexpr QRgb kDecorationColour = 0xFFFFC080;  // RGB 255, 192, 128
inline constexpr QRgb kLineColour = 0xFF000000;        // window text
inline constexpr bool kHidden = true;
inline constexpr bool kShown = false;

// A connector line, 2 pixels wide.
constexpr Control line(const char* name, int x1, int y1, int x2, int y2, bool hidden, QRgb colour = kLineColour)
{
    return {.name = name, .kind = Kind::Line, .flags = hidden ? unsigned(forms::Hidden) : 0u,
            .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .lineWidth = 2, .color = colour};
}

// A point button or a branch expander.
constexpr Control button(const char* name, const char* caption, int left, int top, int width, int height,
                         bool hidden)
{
    return {.name = name, .kind = Kind::Button, .left = left, .top = top, .width = width, .height = height,
            .caption = caption, .flags = hidden ? unsigned(forms::Hidden) : 0u, .font = kPointFont};
}

// A collapse button: "-", hidden until its branch is shown.
constexpr Control collapse(const char* name, int left, int top)
{
    return {.name = name, .kind = Kind::Button, .left = left, .top = top, .width = 225, .height = 225,
            .caption = "-", .flags = forms::Hidden};
}

// The root button: no caption, the application's icon as its face.
constexpr Control root(const char* name, int left, int top)
{
    return {.name = name, .kind = Kind::Button, .left = left, .top = top, .width = 1215, .height = 1215};
}

constexpr Control title(const char* name, int left, int top, int width, int height, bool centred)
{
    return {.name = name, .kind = Kind::Label, .left = left, .top = top, .width = width, .height = height,
            .flags = forms::WhiteBack | (centred ? unsigned(forms::Centered) : 0u), .font = kTitleFont};
}

// Window of a menu: fixed single border, close box only, no taskbar entry,
// centred.
constexpr forms::WindowSpec window(const char* name, const char* caption, int height)
{
    return {.name = name, .caption = caption, .width = 13620, .height = height,
            .flags = forms::FixedSingle | forms::NoMinMax | forms::CenterScreen | forms::NoTaskbar};
}

}  // namespace knowledge::design
