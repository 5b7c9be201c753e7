#pragma once
// 知识点与课本实训窗格: one knowledge-point exercise, prepared by the Load
// from the knowledge-point request: working folder, question document,
// personalised question text, sample pictures and, for networking, the
// practice server.
#include "common/pictureviewer.h"
#include "common/workspace.h"
#include "forms/form.h"

namespace knowledge {

// What the window remembers between its handlers.
struct ExerciseState {
    // Hidden labels, with their design captions until the Load reads them.
    QString 学号 = QStringLiteral("学号");
    QString 练习种类 = QStringLiteral("练习种类");
    QString 题目名称 = QStringLiteral("题目名称");  // the knowledge point
    QString 扩展名 = QStringLiteral("扩展名");
    QString 单体与否 = QStringLiteral("单体与否");

    QString numberRead;  // the student number as the Load read it ("" without one)
    bool prepared = false;    // the Load (or a restore after it) prepared the exercise
    bool hasMaterial = true;  // the bank holds material for the working folder
    QString refusal;          // why the Load did not prepare the exercise
};

class ExerciseWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "知识点与课本实训窗格";
    ExerciseWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // What closing leads to: which window to show, which servers to stop
    // (process names in order), whether the servers are stopped before the
    // show, and whether the program ends.
    struct ReturnPlan {
        QString show;
        QStringList stopOrder;
        bool stopFirst = false;
        bool endProgram = false;
    };
    static ReturnPlan returnPlan(const QString& launchMode, const QString& callMarker, const QString& kind);

    // Whether the Load prepared the exercise (a guard may have refused).
    bool prepared() const { return state.prepared; }

    ExerciseState state;

private:
    common::Exercise exercise() const;
    // What the student sees of a prepared exercise: size, note, question
    // text (personalised, with its server, for networking), pictures.
    void present(const common::Exercise& e, const QString& number);
    void setUpNetwork(const common::Exercise& e, const QString& number);
    void openQuestion();
    void restore();
    void runVideo();

    common::PictureArea pictures_;
};

}  // namespace knowledge
