#pragma once
// 任务项目窗格: one task-project area per visit. The office areas ("word",
// "excel", "ppt", "network") offer up to six tasks to choose, start,
// re-initialise and hand in; "windows" shows the two-page Windows sheet.
//
// The window's state lives in TaskState, in one place: what the hidden
// labels and lists of the design carried (starting with their captions) and
// what this visit has done per task.
#include "common/stylepanel.h"
#include "forms/form.h"

#include <QStringList>
#include <array>

class QPlainTextEdit;

namespace tasks {

// Per task N (index N - 1): the names of its controls and labels.
struct TaskMember {
    const char* button;     // 任务一
    const char* check;      // 选择任务一
    const char* step;       // Mission_One
    const char* digitLabel; // 任务一提交标记
    const char* markLabel;  // 任务一已提交标记
    const char* mayLabel;   // 任务一可提交
};
extern const std::array<TaskMember, 6> kTaskMembers;

inline const QString kHandedIn = QStringLiteral("已提交");

struct TaskState {
    // From the identity file; the defaults are the hidden labels' captions.
    QString studentNumber = QStringLiteral("8位学号");
    QString studentName = QStringLiteral("姓名");
    QString launchMode = QStringLiteral("单体与否");    // "more" or "mission"
    QString missionArea = QStringLiteral("选择");        // the area a mission launch names
    QString area = QStringLiteral("操作题题型");         // "word" ... "windows"
    QString extension = QStringLiteral("扩展名");        // of the area's documents
    QString workFolder = QStringLiteral("素材文件夹");   // on D:, "Word_Mission" ...
    QString exitCheck = QStringLiteral("退出检测");      // "1" after a hand-in
    QString taskLabel = QStringLiteral("当前任务");      // "任务3"
    QString taskStep = QStringLiteral("任务步骤");       // "Mission_Three"
    QString ipAddress = QStringLiteral("IP地址");        // as the task start found it
    QString questionNumber = QStringLiteral("序号");     // the Windows question, "01"
    std::array<QString, 6> handInDigits;   // "N" for a task in this hand-in
    std::array<QString, 6> handedInMarks;  // "已提交" or the label's caption
    std::array<QString, 6> mayHandIn;      // "1" when the task may be ticked

    QStringList taskNames;             // the area's task list
    QString studentKey;                // the identity file's first line
    QStringList tasksWithPictures;     // tasks with sample pictures
    QStringList tasksWithMaterial;     // tasks with material
    QStringList knowledgePoints;       // of the started task
    QStringList sheetMaterialFolders;  // material folders of the Windows question

    // Tasks whose documents and material were copied in this visit: a second
    // start of the same task shows it without copying over the work.
    std::array<bool, 6> prepared{};
    // Set only by a verified hand-in: the quiet close may then delete.
    bool handedIn = false;

    TaskState();
    QString taskName(int n) const { return n >= 1 && n <= taskNames.size() ? taskNames.at(n - 1) : QString(); }
    // Task N named by taskLabel ("任务3" gives 3), 0 when none.
    int currentTask() const;
};

class TaskWindow : public forms::Form {
    Q_OBJECT
public:
    static constexpr const char* kName = "任务项目窗格";
    TaskWindow();

    void onLoad() override;
    void onUnload(bool& cancel) override;

    TaskState state;

    // Handlers, public for tests that drive them directly.
    void uChooseTask(int n);
    void withdrawTask();
    void startTask();
    void openTaskDocument();
    void openTaskFolder();
    void fillKnowledgePoints();
    void openKnowledgePoint(int k);

    // Hand-ins, reset and re-initialisation.
    void chooseHandInFolder();
    void handInTasks();
    void resetHandedInTask();
    void reinitialiseTask();
    // Windows sheet.
    void showSheetPage1();
    void showSheetPage2();
    void uPickScreenshot(const char* box);
    void chooseSheetFolder();
    void restoreSheetQuestion();
    void openSheetFolder();
    void handInSheet();

    // Whether the last Load laid out an area (false: it stopped early).
    bool laidOut() const { return laidOut_; }

    // Area word of this visit and its document paths.
    QString area() const { return state.area; }
    QString workingDocument(const QString& task) const;

private:
    bool isOffice() const;
    void layoutOffice(const QString& area);
    void layoutWindows();
    void loadMarks(const QString& area);
    void refreshWorkingCopy();
    void setFoldedHeight();
    bool cleanUp(bool quiet);
    QPlainTextEdit* textArea(const char* name) const;
    void showTaskText(const QString& path);
    void loadSamplePictures(const QString& task);
    void restoreSheetAnswers();
    void setProgress(int percent);
    bool writeMarks(const std::array<QString, 6>& marks, QString* why) const;
    void enableHandInControls(bool on);

    bool laidOut_ = false;

public:
    // The style panel with the sample pictures of the started task.
    void uShowPicture(int index) { style_.uShowPicture(index); }
    common::StylePanel& stylePanel() { return style_; }

private:
    common::StylePanelLayout styleLayout();

    QString lastPick1_, lastPick2_;  // the two pages' file dialogs
    common::StylePanel style_;
};

// The Windows sheet's 21 answer boxes in the order of "windows.txt".
QStringList sheetAnswerBoxes();

// The office layout values of an area: title, extension, work folder.
struct OfficeArea {
    const char* word;
    const char* title;
    const char* ext;
    const char* workFolder;
};
const OfficeArea* findOfficeArea(const QString& word);

}  // namespace tasks
