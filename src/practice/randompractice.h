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

// What the window remembers between its handlers. The text fields start as
// the captions of the hidden labels that carried them.
struct RandomPracticeState {
    QString studentNumber = QStringLiteral("学号");
    QString launchMode = QStringLiteral("单体与否");  // "more", or a mission run
    QString kind = QStringLiteral("题目种类");
    QString extension = QStringLiteral("扩展名");
    QString previousKind = QStringLiteral("上一题种类");  // the kind of the question prepared last
    // The call marker as the Load found it.
    QString markerAtLoad;
    // The question on screen and its position (from 1) in the bank's list.
    QString question = QStringLiteral("题目名称");
    int position = 1;
    // The bank's question names, its sample-picture folders and its
    // material folders, as the last preparation listed them.
    QStringList questions;
    QStringList sampleFolders;
    QStringList materialFolders;
    // Whether a question has been prepared in this opening of the window.
    bool prepared = false;
    // Whether the question on screen has a material folder.
    bool hasMaterial = true;
};

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

    // The question on screen as the workspace routines take it.
    common::Exercise exercise() const;

    RandomPracticeState state;

private:
    void prepare(bool first);
    int drawPosition(const QStringList& names);
    bool stopEarlierServers();
    bool setUpNetwork(const common::Exercise& e);
    void openQuestion();
    void restore();

    common::PictureArea pictures_;
};

}  // namespace practice
