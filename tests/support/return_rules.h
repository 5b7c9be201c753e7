#pragma once
// Tables of a window's return rule (where it goes when it closes, by launch
// mode, call marker and kind): the situation of a case, and the plan the
// window's static returnPlan makes of it.
#include <QString>

namespace testing_support {

struct ReturnSituation {
    const char* mode;
    const char* marker;
    const char* kind;
};

template <class Window>
auto returnPlanFor(const ReturnSituation& s)
{
    return Window::returnPlan(QString::fromUtf8(s.mode), QString::fromUtf8(s.marker), QString::fromUtf8(s.kind));
}

}  // namespace testing_support
