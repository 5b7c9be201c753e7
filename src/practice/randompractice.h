#pragma once
// 操作题随机练习窗格: random operation practice. For now only what its openers
// and return rule need: the request read at Load, the caption, the return.
#include "common/placeholder.h"

namespace practice {

class RandomPracticeWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "操作题随机练习窗格";
    RandomPracticeWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Hidden labels.
    QString 学号 = QStringLiteral("学号");  // the student number
    QString 单体与否 = QStringLiteral("单体与否");
    QString 练习种类 = QStringLiteral("练习种类");
    QString 扩展名 = QStringLiteral("扩展名");
    // The call marker as the Load found it.
    QString markerAtLoad;
};

}  // namespace practice
