#pragma once
// 期末考查窗格: the final exam, from its start to the packed hand-in. One
// student at a time takes the exam on a PC; the exam's lasting state lives in
// files (examinee archive, paper number, paper copy, working tree "D:\KS",
// answer file), the window's own state in ExamState.
#include "common/guards.h"
#include "common/stylepanel.h"
#include "forms/form.h"

#include <QString>
#include <QStringList>
#include <array>

namespace exam {

// Paths of the exam (relative to the program folder unless on D:).
inline const QString kExamTree = QStringLiteral("\\素材\\bk\\期末考查");
inline const QString kBank = kExamTree + QStringLiteral("\\题库");
inline const QString kPaperCopy = kExamTree + QStringLiteral("\\试卷");
inline const QString kPaperCopyProbe = kExamTree + QStringLiteral("\\试卷0");
inline const QString kPaperNumberFile = kExamTree + QStringLiteral("\\examnumber.txt");
inline const QString kArchiveRoot = kExamTree + QStringLiteral("\\提交");
inline const QString kArchiveTemplate = kExamTree + QStringLiteral("\\提交初始化");
inline const QString kSubmitted = kExamTree + QStringLiteral("\\已提交");
// The packed archive waits here until the submission file is verified; only
// then does it move into "已提交", where its presence records the hand-in.
inline const QString kPacking = kExamTree + QStringLiteral("\\打包中");
inline const QString kWorkTreeTemplate = kExamTree + QStringLiteral("\\KS");
inline const QString kWebStaging = kExamTree + QStringLiteral("\\server.ini");
inline const QString kWorkTree = QStringLiteral("D:\\KS");
inline const QString kWorkTreeProbe = QStringLiteral("D:\\KS改名");
inline const QString kAnswerFile = kPaperCopy + QStringLiteral("\\选择题\\answer.txt");
inline constexpr int kChoiceCount = 10;

// One operation question kind: its page button and hidden-label values.
struct PageKind {
    const char* button;   // 操作题word
    const char* kind;     // word
    const char* ext;      // docx
    const char* folder;   // KSDOC
    bool officePage;      // 开始答题 and 考生文件夹 are offered
};
extern const std::array<PageKind, 5> kKinds;
const PageKind* findKind(const QString& kind);

struct ExamState {
    QString 学生信息 = QStringLiteral("学生信息");
    QString 试卷号 = QStringLiteral("试卷号");
    QString nIP = QStringLiteral("nIP");
    QString 操作题题型 = QStringLiteral("操作题题型");
    QString 扩展名 = QStringLiteral("扩展名");
    QString 素材文件夹 = QStringLiteral("素材文件夹");
    QString 退出检测 = QStringLiteral("退出检测");
    // Set only by a verified hand-in: the close may then delete.
    bool handedIn = false;
};

// Whether the student has handed in: an entry of the hand-in folder is named
// exactly the key followed by ".rar" (letter case aside). Entries are looked
// at only when the folder holds at least one file.
bool isHandedIn(const QString& key);

// File-manager checks on the kinds' working folders under "D:\KS", each
// naming its folder: a window on one of them or on a folder inside it.
common::GuardList workTreeWindowGuards();

// What a paper of the bank (platform path of its folder) lacks, as platform
// paths; empty when it is whole.
QStringList missingPaperParts(const QString& paperFolder);

class ExamWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "期末考查窗格";
    ExamWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    ExamState state;
    bool startAllowed() const;

    // Handlers, public for tests that drive them directly.
    void startExam();
    void openPage(const PageKind& k);
    void backToTypes();
    void openDocument();
    void openWorkFolder();
    void restoreQuestion();
    void openChoicePage();
    void showChoice(int n);
    void leaveChoicePage();
    void chooseHandInFolder();
    void handIn();

    // Saves the ten boxes into the answer file (only once they were loaded
    // from it in this opening). False when the file could not be written.
    bool saveAnswers();

    common::StylePanel& stylePanel() { return style_; }

    // Milliseconds of each of the four pauses of the paper's progress bar
    // (tests set 0).
    static int progressPauseMs;

private:
    common::StylePanelLayout styleLayout();
    void showPanel(const char* panel);
    void showTypes();
    bool readAddress();
    bool newPaper();
    // Whether the paper's network question is the FTP one (its answer is
    // what the student uploads into D:\PracticalTraining).
    bool isFtpPaper() const;
    void setUpServer(bool fresh);
    void setLocked(bool locked);
    void answerChanged(int n);
    QString answerBox(int n) const;

    bool answersLoaded_ = false;
    bool loadingAnswers_ = false;
    std::array<QString, kChoiceCount> lastAnswers_;
    common::StylePanel style_;
};

}  // namespace exam
