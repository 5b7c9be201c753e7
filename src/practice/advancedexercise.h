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

class AdvancedExerciseWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "高级应用练习窗格";
    AdvancedExerciseWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    // Whether the Load read a usable request (the labels name the exercise).
    bool hasExercise() const { return hasExercise_; }
    // Whether the working folder and the question document were laid out.
    bool prepared() const { return prepared_; }
    const common::PictureArea& pictures() const { return pictures_; }

    // The hidden labels: the window's state.
    QString 学号 = QStringLiteral("学号");  // the student key
    QString 练习种类 = QStringLiteral("练习种类");
    QString 题号 = QStringLiteral("题号");
    QString 扩展名 = QStringLiteral("扩展名");

private:
    AdvancedExercise exercise() const { return {练习种类, 题号, 扩展名}; }
    void openQuestion();
    void restore();

    common::PictureArea pictures_;
    bool hasExercise_ = false;
    bool prepared_ = false;
};

// The messages of the window that are not the guards' own.
namespace advanced {
// The sources an exercise is rebuilt from that are missing, one line each
// ("原始题目文档“...”", "素材文件夹“...”"); empty when all are there.
QStringList missingSources(const AdvancedExercise& e);
// The refusal naming them; `task` is what cannot be done ("准备练习",
// "恢复本题").
QString missingSourcesMessage(const QString& task, const QStringList& missing);
inline const QString kNoRequestMessage =
    QStringLiteral("没有读到要练习的题目（高级应用\\题号.txt 缺失或内容不对）。\n请关闭本窗口，回到主窗口重新选择题目。");
inline const QString kNotReadyMessage =
    QStringLiteral("本题尚未准备好：请关闭已经打开的题目文档和考生文件夹，然后关闭本窗口，重新打开本题。");
}  // namespace advanced

}  // namespace practice
