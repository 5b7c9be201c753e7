#pragma once
// 基础理论: the basic-theory module drill. For now only what its opener and
// return rule need.
#include "common/placeholder.h"

namespace theory {

class ModuleDrillWindow : public common::PlaceholderForm {
    Q_OBJECT
public:
    static constexpr const char* kName = "基础理论";
    ModuleDrillWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Hidden labels.
    QString 学号 = QStringLiteral("学号");  // the student key
    QString 单体与否 = QStringLiteral("单体与否");
};

}  // namespace theory
