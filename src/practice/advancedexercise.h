#pragma once
// 高级应用练习窗格: the advanced (extended training) exercises. For now only
// what its openers and return rule need.
#include "common/placeholder.h"

namespace practice {

class AdvancedExerciseWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "高级应用练习窗格";
    AdvancedExerciseWindow();

    void onLoad() override;

    // Hidden labels.
    QString 学号 = QStringLiteral("学号");  // the student key
    QString 练习种类 = QStringLiteral("练习种类");
    QString 题号 = QStringLiteral("题号");
    QString 扩展名 = QStringLiteral("扩展名");
};

}  // namespace practice
