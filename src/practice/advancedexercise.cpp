#include "practice/advancedexercise.h"

#include "common/handover.h"
#include "platform/textfile.h"

namespace practice {

AdvancedExerciseWindow::AdvancedExerciseWindow() : common::PlaceholderForm(kName, "高级应用练习") {}

void AdvancedExerciseWindow::onLoad()
{
    setTopmost(true);
    if (auto l = uReadTextLine(common::kIdentityFile, 1)) 学号 = *l;
    if (auto l = uReadTextLine(common::kAdvancedRequest, 1)) 练习种类 = *l;
    if (auto l = uReadTextLine(common::kAdvancedRequest, 2)) 题号 = *l;
    if (auto l = uReadTextLine(common::kAdvancedRequest, 3)) 扩展名 = *l;
    setOuterSizeTw(8715, 3780);
    const QString title = uReadLastLine(common::kCallMarkerFile) == QStringLiteral("拓展训练")
                              ? QStringLiteral("拓展训练_") + 练习种类 + QStringLiteral("__") + 题号
                              : QStringLiteral("高级应用练习（") + 练习种类 + QStringLiteral("）_") + 题号;
    setCaption(common::userInfoCaption(title, 学号));
}

}  // namespace practice
