#pragma once
// 模拟测试窗格: the mock test. For now only what its opener and return rule
// need: the level strip's size, the caption and the return.
#include "common/placeholder.h"

namespace mocktest {

class MockTestWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "模拟测试窗格";
    MockTestWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Hidden labels.
    QString 学号 = QStringLiteral("学号");  // the student key
    QString 单体与否 = QStringLiteral("单体与否");
};

}  // namespace mocktest
