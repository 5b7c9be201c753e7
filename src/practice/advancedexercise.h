#pragma once
// 高级应用练习窗格: one numbered comprehensive exercise of extended training
// (Word, Excel or PowerPoint). The Load prepares the working folder
// "D:\考生文件夹" and a fresh question document from the advanced exercise
// tree and shows the question text; the window restores the exercise, opens
// its document and pages through its reference-effect pictures; closing asks
// twice, guards and deletes the working folder.
#include "common/pictureviewer.h"
#include "forms/form.h"

#include <QStringList>

namespace practice {

// The advanced exercise tree, for kind K, number N and extension E. Paths
// are platform paths.
struct AdvancedExercise {
    QString kind;    // K: "word", "excel" or "ppt"
    QString number;  // N: two digits
    QString ext;     // E: "docx", "xlsx" or "pptx"

    QString name() const { return kind + number; }     // "word01"
    QString questionText() const;                      // 题目内容\KN.txt
    QString pristineDocument() const;                  // 题目文档\bk\KN.E
    static QString documentFolder();                   // 题目文档\tm
    QString questionDocument() const;                  // 题目文档\tm\题目N.E
    QString documentProbe() const;                     // 题目文档\tm\改.E
    QString materialFolder() const;                    // 素材\KN
    QString effectFolder() const;                      // 参考效果\KN
    // Whether the request names an exercise of this tree: a known kind, a
    // two-digit number and the kind's own extension.
    bool wellFormed() const;
};

inline const QString kExamineeFolder = QStringLiteral("D:\\考生文件夹");

// What the window remembers between its handlers. The exercise fields start
// as the captions of the hidden labels that carried them.
struct AdvancedState {
    QString studentKey = QStringLiteral("学号");  // number and name, line 1 of the identity file
    QString kind = QStringLiteral("练习种类");
    QString number = QStringLiteral("题号");
    QString extension = QStringLiteral("扩展名");
    // Whether the Load read a usable request (the fields above name the exercise).
    bool hasExercise = false;
    // Whether the working folder and the question document were laid out.
    bool prepared = false;
};

class AdvancedExerciseWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "高级应用练习窗格";
    AdvancedExerciseWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    const common::PictureArea& pictures() const { return pictures_; }

    AdvancedState state;

private:
    AdvancedExercise exercise() const { return {state.kind, state.number, state.extension}; }
    void openQuestion();
    void restore();

    common::PictureArea pictures_;
};

namespace advanced {
// The sources an exercise is rebuilt from that are missing, one line each
// of msg::sourcesMissing; empty when all are there.
QStringList missingSources(const AdvancedExercise& e);
}  // namespace advanced

}  // namespace practice
