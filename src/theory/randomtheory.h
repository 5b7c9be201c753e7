#pragma once
// 理论题随机练习窗格: random theory practice. For now only what its opener
// and return rule need.
#include "common/placeholder.h"

namespace theory {

class RandomTheoryWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "理论题随机练习窗格";
    RandomTheoryWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    QString 学号 = QStringLiteral("学号");  // hidden label: the student key
};

}  // namespace theory
