#pragma once
// 模拟测试窗格: the mock test. It opens on the level choice; a level button
// makes the paper (mocktest/paper) and turns the window into the answering
// window of that paper: the choice page with its answer card, the five
// operation pages with their slots, the style panel, the document and
// folder buttons, restore and the close.
#include "common/stylepanel.h"
#include "forms/form.h"
#include "mocktest/paper/leveltable.h"
#include "mocktest/paper/mockstate.h"

#include <QStringList>
#include <QTimer>

class QPlainTextEdit;

namespace mocktest {

// One operation page: its button, the caption of 操作题题号 and its kind.
struct PageRow {
    const char* button;
    const char* caption;
    const char* kind;
};
const QList<PageRow>& pageRows();

class MockTestWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "模拟测试窗格";
    MockTestWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    MockState state;

    // Handlers, public for tests that drive them directly.
    void uGenerateMockPaper(const QString& level);
    void tick();  // Timer1
    void showChoicePage();
    void uShowOperationPage(const PageRow& row);
    void uShowMockChoiceQuestion(int n);
    void uPrepareSlotQuestion(int slot);
    void openQuestionDocument();
    void openExamineeFolder();
    void restoreQuestion();

    QTimer* timer() { return &timer_; }
    // Whether the last generation made the whole paper (false after a
    // refusal, or when a copy failed).
    bool paperComplete() const { return state.paperMade && state.paperFailures.isEmpty(); }
    QStringList generationFailures() const { return state.paperFailures; }
    common::StylePanel& stylePanel() { return style_; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void uStartMockLevel(const LevelSpec& level);
    void uStartPaperProgress(const LevelSpec& level);
    void stepDone();
    void refusedNotice();
    void setOperationHeight();
    QPlainTextEdit* textArea(const char* name) const;
    QString personalise(const QString& kind, const QString& n, const QString& nn, const QString& address);
    QString copySlotDocuments(const KindSpec& ks, const QString& n, const QString& nn);
    void loadStyle(const LevelKind& lk, const QString& number, bool disableArrows);
    common::StylePanelLayout styleLayout();

    QTimer timer_;
    common::StylePanel style_;
};

}  // namespace mocktest
