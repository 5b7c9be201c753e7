#pragma once
// 操作题随机练习窗格: random operation practice (intensive training). One
// random question of the requested kind at a time: 开始 draws the first,
// 下一题 every further one; each is prepared in the working folders with its
// question document, question text, sample pictures and, for networking,
// its practice server. 恢复本题 restores it; closing cleans up.
#include "common/guards.h"
#include "common/pictureviewer.h"
#include "common/workspace.h"
#include "forms/form.h"

#include <QStringList>

namespace practice {

class RandomPracticeWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "操作题随机练习窗格";
    RandomPracticeWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // What closing leads to once the working folders are cleaned up: the
    // window to show, whether the practice servers are stopped (once more)
    // before it is shown, or the end of the program.
    struct ReturnPlan {
        QString show;
        bool stopServers = false;
        bool endProgram = false;
    };
    static ReturnPlan returnPlan(const QString& launchMode, const QString& callMarker, const QString& kind);

    // The guard lists of the preparation, the restore and the close: each
    // its own order and messages.
    enum class GuardUse { Prepare, Restore, Close };
    common::GuardList guards(GuardUse use) const;

    // Whether a question has been prepared in this opening of the window.
    bool prepared() const { return prepared_; }
    // The question on screen as the workspace routines take it.
    common::Exercise exercise() const;

    // Hidden labels: the window's state.
    QString 学号 = QStringLiteral("学号");  // the student number
    QString 单体与否 = QStringLiteral("单体与否");
    QString 练习种类 = QStringLiteral("题目种类");
    QString 扩展名 = QStringLiteral("扩展名");
    QString 上一题种类 = QStringLiteral("上一题种类");
    QString Label1 = QStringLiteral("1");         // the drawn position, as decimal text
    QString Label2 = QStringLiteral("题目名称");  // the question name
    // Hidden lists: the bank's question names, its sample-picture folders and
    // its material folders.
    QStringList Combo1;
    QStringList Combo2;
    QStringList Combo3;
    // The call marker as the Load found it.
    QString markerAtLoad;

private:
    void prepare(bool first);
    int drawPosition(const QStringList& names);
    bool stopEarlierServers();
    bool setUpNetwork(const common::Exercise& e);
    void openQuestion();
    void restore();

    common::PictureArea pictures_;
    bool prepared_ = false;
    bool hasMaterial_ = true;
};

}  // namespace practice
