#pragma once
// 基础理论: the basic-theory module drill. The student picks one of seven
// modules, whose files are copied into the working module folder, then shows
// its twenty choice questions, types answers, reveals the keys and reads the
// explanations. Nothing is scored or saved.
#include "common/choicequestion.h"
#include "forms/form.h"

#include <QString>

namespace theory {

// The working module folder, its filler and the module source folders.
inline const QString kWorkingModuleFolder = QStringLiteral("\\素材\\bk\\选择题题目\\基础理论");
inline const QString kModuleFiller = QStringLiteral("\\素材\\bk\\选择题题目\\占位.txt");
inline const QString kModuleSources = QStringLiteral("\\素材\\bk\\选择题题目\\选择题\\");

// One module button and the folder of its module.
struct ModuleButton {
    const char* button;
    const char* folder;
};
// The seven modules, Command61 to Command67.
const ModuleButton* moduleButtons();
inline constexpr int kModules = 7;

// What the window remembers between its handlers: its hidden labels.
struct DrillState {
    QString 学号 = QStringLiteral("学号");  // the student key
    QString 单体与否 = QStringLiteral("单体与否");
};

class ModuleDrillWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "基础理论";
    ModuleDrillWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Handlers (public for tests that drive the window by its buttons).
    void chooseModule(int index);  // 0 to 6
    void startPractice();
    void leaveModule();
    void redo();
    void showQuestion(int n);  // 1 to 20
    void uRevealAnswerKey(int n);
    void uShowExplanation(int n);

    DrillState state;

private:
    void resetWorkingFolder();
    void hideKeyRows();
    void clearQuestionAndAnswers();
    QString working(const QString& file) const;
    common::ChoiceLabels choiceLabels() const;
    QWidget* cell(const char* prefix, int number) const;
};

}  // namespace theory
