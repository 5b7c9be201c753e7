#pragma once
// 期末考查窗格: the final exam. For now only what its opener and return rule
// need: the refusal of a student who has handed in, the size, the return.
#include "common/placeholder.h"

namespace exam {

class ExamWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "期末考查窗格";
    ExamWindow();

    void onLoad() override;

    QString 学生信息 = QStringLiteral("学生信息");  // hidden label
    // Whether 开始考试 may be used (false once the student has handed in).
    bool startAllowed = true;
};

// The student keys that have handed in: the names before the first "." of
// the "*.rar" entries of the hand-in folder.
QStringList submittedKeys();

}  // namespace exam
