#pragma once
// Tables of a window's return rule (where it goes when it closes, by launch
// mode, call marker and kind): the situation of a case, and the check of the
// plan the window's static returnPlan makes of it.
#include <QString>
#include <gtest/gtest.h>

namespace testing_support {

struct ReturnSituation {
    const char* mode;
    const char* marker;
    const char* kind;
};

// The window's plan for the situation, checked for the window it shows and
// whether the program ends; the caller checks the rest of it.
template <class Window>
auto expectReturnPlan(const ReturnSituation& s, const char* show, bool end)
{
    const auto plan = Window::returnPlan(QString::fromUtf8(s.mode), QString::fromUtf8(s.marker), QString::fromUtf8(s.kind));
    EXPECT_EQ(plan.show, QString::fromUtf8(show));
    EXPECT_EQ(plan.endProgram, end);
    return plan;
}

}  // namespace testing_support
