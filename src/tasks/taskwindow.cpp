#include "tasks/taskwindow.h"

#include "common/documents.h"
#include "common/guards.h"
#include "common/handover.h"
#include "common/messages.h"
#include "common/navigation.h"
#include "common/questiontext.h"
#include "common/servers.h"
#include "forms/controls.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/textfile.h"
#include "tasks/messages.h"
#include "tasks/missionservers.h"
#include "tasks/taskentry.h"
#include "tasks/taskkey.h"
#include "tasks/taskwindow_design.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cmath>

namespace tasks {

namespace fs = plat::fs;

const std::array<TaskMember, 6> kTaskMembers = {{
    {"任务一", "选择任务一", "Mission_One", "任务一提交标记", "任务一已提交标记", "任务一可提交"},
    {"任务二", "选择任务二", "Mission_Two", "任务二提交标记", "任务二已提交标记", "任务二可提交"},
    {"任务三", "选择任务三", "Mission_Three", "任务三提交标记", "任务三已提交标记", "任务三可提交"},
    {"任务四", "选择任务四", "Mission_Four", "任务四提交标记", "任务四已提交标记", "任务四可提交"},
    {"任务五", "选择任务五", "Mission_Five", "任务五提交标记", "任务五已提交标记", "任务五可提交"},
    {"任务六", "选择任务六", "Mission_Six", "任务六提交标记", "任务六已提交标记", "任务六可提交"},
}};

namespace {

constexpr OfficeArea kOfficeAreas[] = {
    {"word", "任务项目_Word", "docx", "Word_Mission"},
    {"excel", "任务项目_Excel", "xlsx", "Excel_Mission"},
    {"ppt", "任务项目_PowerPoint", "pptx", "Ppt_Mission"},
    {"network", "任务项目_Network", "net", "SXNET"},
};

// The task working folders guarded and deleted by the close, with their
// probe names, in the guard order.
constexpr common::WorkingFolder kWorkFolders[] = {
    {"Word_Mission", "D:\\w改名"}, {"Excel_Mission", "D:\\e改名"}, {"Ppt_Mission", "D:\\p改名"},
    {"SXWIN", "D:\\win改名"},      {"SXNET", "D:\\n改名"},        {"PracticalTraining", "D:\\n改名"},
};
// Deletion order of the close.
constexpr const char* kDeleteOrder[] = {"Word_Mission", "Excel_Mission", "Ppt_Mission", "SXNET", "SXWIN", "PracticalTraining"};

const QString kWindowsTitle = QStringLiteral("任务项目_Windows");

// The eight Windows question texts: box, file name.
constexpr std::pair<const char*, const char*> kWindowsTexts[] = {
    {"win1", "计算机基本信息"}, {"win2", "屏幕分辨率"}, {"win3", "Aero特效"}, {"win4", "自定义开始菜单"},
    {"win5", "用户账户"},       {"win6", "资源管理器"}, {"win7", "硬盘分区与盘符"}, {"win8", "库"},
};

}  // namespace

const OfficeArea* findOfficeArea(const QString& word)
{
    for (const OfficeArea& a : kOfficeAreas)
        if (word == QLatin1String(a.word)) return &a;
    return nullptr;
}

TaskState::TaskState()
{
    for (int i = 0; i < 6; ++i) {
        handedInMarks[i] = QString::fromUtf8(kTaskMembers[i].markLabel);
        mayHandIn[i] = QString::fromUtf8(kTaskMembers[i].mayLabel);
        handInDigits[i] = QString::fromUtf8(kTaskMembers[i].digitLabel);
    }
}

int TaskState::currentTask() const
{
    for (int n = 1; n <= 6; ++n)
        if (taskLabel == QStringLiteral("任务%1").arg(n)) return n;
    return 0;
}

TaskWindow::TaskWindow() : forms::Form(kTaskWindowSpec, taskWindowDesign()), style_(this, styleLayout())
{
    style_.connectButtons();
    for (int n = 1; n <= 6; ++n) onClick(QString::fromUtf8(kTaskMembers[n - 1].button), [this, n] { uChooseTask(n); });
    onClick(QStringLiteral("重选任务"), [this] { withdrawTask(); });
    onClick(QStringLiteral("开始任务"), [this] { startTask(); });
    onClick(QStringLiteral("开始"), [this] { openTaskDocument(); });
    onClick(QStringLiteral("任务文件夹"), [this] { openTaskFolder(); });
    onClick(QStringLiteral("Command11"), [this] {
        ctl("涉及知识点提示区")->hide();
        fillKnowledgePoints();
    });
    onClick(QStringLiteral("知识点"), [this] { fillKnowledgePoints(); });
    for (int k = 1; k <= 6; ++k) onClick(QStringLiteral("知识点%1").arg(k), [this, k] { openKnowledgePoint(k); });
    onClick(QStringLiteral("操作题选择提交路径"), [this] { chooseHandInFolder(); });
    onClick(QStringLiteral("操作题提交"), [this] { handInTasks(); });
    onClick(QStringLiteral("操作题重置任务"), [this] { resetHandedInTask(); });
    onClick(QStringLiteral("初始化当前任务"), [this] { reinitialiseTask(); });
    onClick(QStringLiteral("Command7"), [this] { showSheetPage2(); });
    onClick(QStringLiteral("上一任务"), [this] { showSheetPage1(); });
    onClick(QStringLiteral("选择提交路径"), [this] { chooseSheetFolder(); });
    onClick(QStringLiteral("恢复本题"), [this] { restoreSheetQuestion(); });
    onClick(QStringLiteral("Command10"), [this] { openSheetFolder(); });
    onClick(QStringLiteral("win提交"), [this] { handInSheet(); });
    // The eight screenshot pickers: button, screenshot box.
    static constexpr std::pair<const char*, const char*> kPickers[] = {
        {"Command4", "计算机基本信息"}, {"Command5", "屏幕分辨率"}, {"Command1", "自定义开始菜单"},
        {"Command3", "Aero特效"},       {"Command2", "资源管理器"}, {"Command6", "用户账户"},
        {"Command8", "硬盘分区与盘符"}, {"Command9", "库"},
    };
    for (const auto& [button, box] : kPickers) onClick(QString::fromUtf8(button), [this, box] { uPickScreenshot(box); });
    for (const char* shot : {"计算机基本信息", "屏幕分辨率", "自定义开始菜单", "Aero特效", "资源管理器", "用户账户",
                             "硬盘分区与盘符", "库", "保存路径"})
        ctl<QLineEdit>(QString::fromUtf8(shot))->setReadOnly(true);
    ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setReadOnly(true);
    // While the window is clipped to the screen the scroll bar moves the
    // picture (Change and Scroll alike).
    auto* bar = ctl<QScrollBar>(QStringLiteral("VScroll1"));
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        QWidget* picture = ctl("Picture1");
        if (bar->maximum() <= 0) return;
        const double top = 250.0 - double(value) / double(bar->maximum()) * forms::heightTw(picture);
        forms::moveTw(picture, forms::leftTw(picture), int(std::lround(top)));
    });
}

// This window's frames and margins for the shared style panel: the frame
// keeps its design top, the picture is centred on the frame, the office
// page grows with the panel and the window is clipped to the screen.
common::StylePanelLayout TaskWindow::styleLayout()
{
    common::StylePanelLayout l;
    l.frameMargin = 700;
    l.centre = common::StylePanelLayout::Centre::Frame;
    l.pictureOffset = -200;
    l.openHeight = [this](int frameHeight) {
        QWidget* office = ctl("office任务区");
        QWidget* submit = ctl("任务提交区");
        const int h = forms::heightTw(submit) + forms::topTw(submit) + forms::heightTw(ctl("任务内容")) + frameHeight + 600;
        forms::resizeTw(office, forms::widthTw(office), h);
        return h + 500;
    };
    l.foldSize = [this] {
        setOuterWidthTw(forms::widthTw(ctl("office任务区")) + kOfficeWidthMargin);
        setFoldedHeight();
    };
    l.scrollBar = "VScroll1";
    l.screenMargin = 700;
    return l;
}

QPlainTextEdit* TaskWindow::textArea(const char* name) const { return ctl<QPlainTextEdit>(QString::fromUtf8(name)); }

bool TaskWindow::isOffice() const { return findOfficeArea(state.area) != nullptr; }

QString TaskWindow::workingDocument(const QString& task) const
{
    return taskTreePath(QStringLiteral("\\") + state.area + QStringLiteral("\\题目文档\\") + task + '.' + state.extension);
}

void TaskWindow::onLoad()
{
    laidOut_ = false;
    setTopmost(true);
    state.exitCheck.clear();
    for (QString& d : state.handInDigits) d.clear();

    state.studentKey = uReadTextLine(common::kIdentityFile, 1).value_or(QString());
    common::readLineInto(state.studentNumber, common::kIdentityFile, 2);
    common::readLineInto(state.studentName, common::kIdentityFile, 3);
    if (!keyNamesFolder(state.studentKey)) {
        msgOk(badKeyMessage(state.studentKey), this);
        return;
    }
    if (!recoverProbeLeftover(plat::appPath(kTaskTree), plat::appPath(kTaskTreeProbe), this)) return;

    QString a;
    if (!fs::listSubFolders(taskTreePath(QStringLiteral("\\提交"))).isEmpty()) {
        a = uReadLastLine(common::kTaskAreaFile);
        if (uReadLastLine(common::kTaskModeFile) == kFreePractice) loadMarks(a);
    }
    state.launchMode = uReadTextLine(common::kLaunchModeFile, 1).value_or(QString());

    if (state.launchMode == QStringLiteral("mission")) {
        common::readLineInto(state.missionArea, common::kMissionAreaFile, 1);
        a = state.missionArea;
        if (!common::writeRequest(common::kTaskModeFile, {QString()}, this)) return;
        if (!findArea(a)) {
            msgOk(msg::missionAreaInvalid(a), this);
            return;
        }
        // As the main window's area buttons do: a student who has handed in
        // this area works in free-practice mode.
        const Area* area = findArea(a);
        removeInterruptedHandIn(a, state.studentKey);
        if (uIsSubmitted(submittedFolder(a), QString::fromUtf8(area->pattern), area->foldersToo, state.studentKey)) {
            msgOk(msg::alreadyHandedIn(state.studentKey), this);
            loadMarks(a);
        }
        if (!uPrepareProjectArchive(a, state.studentKey, this)) return;
    }

    if (a == QStringLiteral("windows")) {
        layoutWindows();
    } else if (findOfficeArea(a)) {
        layoutOffice(a);
    } else {
        msgOk(msg::areaInvalid(a), this);
        return;
    }
    refreshWorkingCopy();
    if (state.area == QStringLiteral("windows")) restoreSheetAnswers();
    style_.clearPicture();
    laidOut_ = true;
}

void TaskWindow::loadMarks(const QString& a)
{
    if (a == QStringLiteral("windows")) {
        ctl("win提交")->setEnabled(false);
        ctl("选择提交路径")->setEnabled(false);
        ctl<QLineEdit>(QStringLiteral("保存路径"))->setText(QStringLiteral("任务结果已提交完成！！！"));
        return;
    }
    if (!findOfficeArea(a)) return;
    // One mark per line; a shorter or missing file leaves the rest as they are.
    const auto lines = plat::readLines936(submittedFolder(a) + '\\' + state.studentKey + QStringLiteral(".txt"));
    if (!lines) return;
    for (int i = 0; i < 6 && i < lines->size(); ++i) state.handedInMarks[i] = lines->at(i).section(',', 0, 0);
}

void TaskWindow::layoutWindows()
{
    QWidget* page = ctl("windows任务区1");
    page->show();
    forms::moveTw(page, 0, 0);
    setOuterSizeTw(forms::widthTw(page) + kPage1WidthMargin, forms::heightTw(page) + kPage1HeightMargin);
    setCaption(kWindowsTitle + QStringLiteral("【学号：") + state.studentNumber + QStringLiteral("】【姓名：") + state.studentName +
               QStringLiteral("】"));
    state.area = QStringLiteral("windows");
    QStringList unreadable;
    for (const auto& [box, file] : kWindowsTexts) {
        const QString path = taskTreePath(QStringLiteral("\\题库\\windows\\题目内容\\") + QString::fromUtf8(file) + QStringLiteral(".txt"));
        if (!common::showQuestionText(textArea(box), path)) unreadable << path;
    }
    if (!unreadable.isEmpty()) msgOk(common::questionTextUnreadableMessage(unreadable.join('\n')), this);
}

void TaskWindow::setFoldedHeight()
{
    setOuterHeightTw(forms::heightTw(ctl("任务标题区")) + forms::heightTw(ctl("任务内容区")) +
                     forms::heightTw(ctl("任务选择区")) + kOfficeHeightMargin);
}

void TaskWindow::layoutOffice(const QString& a)
{
    const OfficeArea* o = findOfficeArea(a);
    ctl("重选任务")->setEnabled(false);
    ctl("开始任务")->setEnabled(false);
    QWidget* page = ctl("office任务区");
    page->show();
    forms::moveTw(page, 0, 0);
    setOuterWidthTw(forms::widthTw(page) + kOfficeWidthMargin);
    setFoldedHeight();
    setCaption(QString::fromUtf8(o->title) + QStringLiteral("【学号：") + state.studentNumber + QStringLiteral("】【姓名：") +
               state.studentName + QStringLiteral("】"));
    state.extension = QString::fromUtf8(o->ext);
    state.area = a;
    state.workFolder = QString::fromUtf8(o->workFolder);
    if (a == QStringLiteral("network")) ctl("开始")->hide();

    const QString list = taskTreePath(QStringLiteral("\\题库\\") + a + QStringLiteral("\\任务列表.txt"));
    const auto lines = plat::readLines936(list);
    state.taskNames = lines.value_or(QStringList());
    if (!lines)
        msgOk(msg::taskListMissing(plat::displayPath(list)), this);
    for (int n = 1; n <= 6; ++n)
        if (state.taskName(n).isEmpty()) ctl(QString::fromUtf8(kTaskMembers[n - 1].button))->hide();
    for (int n = 1; n <= 6; ++n)
        if (state.taskName(n).isEmpty()) ctl(QString::fromUtf8(kTaskMembers[n - 1].check))->hide();

    state.tasksWithPictures = fs::listSubFolders(taskTreePath(QStringLiteral("\\题库\\") + a + QStringLiteral("\\样图")));
    state.tasksWithMaterial = fs::listSubFolders(taskTreePath(QStringLiteral("\\题库\\") + a + QStringLiteral("\\素材")));
}

void TaskWindow::refreshWorkingCopy()
{
    const QString working = taskTreePath(QStringLiteral("\\") + state.area);
    fs::ignoreFailure(fs::deleteFolder(working), "a held file stays and is overwritten by the copy");
    fs::ignoreFailure(fs::copyFolder(taskTreePath(QStringLiteral("\\初始化\\") + state.area), working),
                      "the task start copies what each task needs");
}

void TaskWindow::uChooseTask(int n)
{
    ctl("重选任务")->setEnabled(true);
    ctl("开始任务")->setEnabled(true);
    for (const TaskMember& m : kTaskMembers) ctl(QString::fromUtf8(m.button))->setEnabled(false);
    ctl<QLineEdit>(QStringLiteral("任务标题"))->setText(state.taskName(n));
    state.taskStep = QString::fromUtf8(kTaskMembers[n - 1].step);
    state.taskLabel = QStringLiteral("任务%1").arg(n);
}

void TaskWindow::withdrawTask()
{
    ctl("开始任务")->setEnabled(false);
    ctl("重选任务")->setEnabled(false);
    for (const TaskMember& m : kTaskMembers) ctl(QString::fromUtf8(m.button))->setEnabled(true);
    ctl<QLineEdit>(QStringLiteral("任务标题"))->setText(QString());
    for (const char* name : {"任务内容区", "涉及知识点区", "涉及知识点提示区", "样式区", "样式", "样式上一张", "样式下一张"})
        ctl(QString::fromUtf8(name))->hide();
    setFoldedHeight();
    for (int n = 1; n <= 6; ++n)
        if (state.taskName(n).isEmpty()) ctl(QString::fromUtf8(kTaskMembers[n - 1].button))->setEnabled(false);
}

void TaskWindow::openTaskFolder()
{
    common::uOpenFolder(QStringLiteral("D:\\") + state.workFolder + '\\' + state.taskStep);
}

void TaskWindow::openTaskDocument()
{
    common::uOpenDocument(workingDocument(ctl<QLineEdit>(QStringLiteral("任务标题"))->text()));
}

void TaskWindow::fillKnowledgePoints()
{
    ctl("涉及知识点区")->show();
    const QString task = ctl<QLineEdit>(QStringLiteral("任务标题"))->text();
    const QString list = taskTreePath(QStringLiteral("\\题库\\") + state.area + QStringLiteral("\\涉及知识点\\") + task +
                              QStringLiteral(".txt"));
    state.knowledgePoints = plat::readLines936(list).value_or(QStringList());
    for (int k = 1; k <= 6; ++k) {
        QWidget* b = ctl(QStringLiteral("知识点%1").arg(k));
        const QString point = k <= state.knowledgePoints.size() ? state.knowledgePoints.at(k - 1) : QString();
        forms::setCaption(b, point);
        b->setVisible(!point.isEmpty());
    }
    // Only the way back from a knowledge point depends on it; the student is told.
    (void)common::writeRequest(common::kCallMarkerFile, {QStringLiteral("任务项目")}, this);
}

void TaskWindow::openKnowledgePoint(int k)
{
    const QString point = forms::caption(ctl(QStringLiteral("知识点%1").arg(k)));
    if (!common::writeRequest(common::kKnowledgeRequest, {state.area, point, state.extension}, this)) return;
    forms::hide(formName());
    forms::show(QStringLiteral("知识点与课本实训窗格"));
}

void TaskWindow::onUnload(bool& cancel)
{
    const bool quiet = state.exitCheck == QStringLiteral("1") && state.handedIn;
    if (!quiet) {
        if (!msgYesNo(common::msg::kAskExit, this) || !msgYesNo(msg::kAskExitSure, this)) {
            cancel = true;
            return;
        }
        common::GuardList guards = common::workingFolderGuards(kWorkFolders);
        // A tree left under its probe name is named to the student instead
        // of being reported as a document in use.
        if (!fs::folderExists(plat::appPath(kTaskTreeProbe)))
            guards << common::GuardEntry::probe(plat::appPath(kTaskTree), plat::appPath(kTaskTreeProbe), true, common::msg::kCloseOpenDocuments);
        else
            recoverProbeLeftover(plat::appPath(kTaskTree), plat::appPath(kTaskTreeProbe), this);
        if (!common::uCheckFoldersFree(guards, this)) {
            cancel = true;
            return;
        }
    } else if (state.launchMode == QStringLiteral("more")) {
        msgOk(msg::kBackToStart, this);
    }
    if (!cleanUp(quiet)) return;  // the window went away meanwhile
    common::returnToMainOrEnd(state.launchMode);
}

bool TaskWindow::cleanUp(bool quiet)
{
    // The FTP server serves the project archive's "ftp" folder: it must have
    // let go of it before the archive area is deleted.
    const common::ToolSet tools = common::missionTools();
    for (const QString& p : {kMissionFtpProcess, kMissionWebProcess})
        if (common::stopServerAndWait(tools, p, this) == common::WaitResult::Gone) return false;  // the window went away
    for (const char* name : kDeleteOrder)
        fs::ignoreFailure(fs::deleteFolder(QStringLiteral("D:\\") + QString::fromUtf8(name), true), "a folder that cannot be deleted stays");
    // Only a real area's archive folder, never the whole "提交" or "已提交".
    if (findArea(state.area)) {
        const QString p = archiveAreaFolder(state.area);
        fs::ignoreFailure(fs::deleteFolder(p, true), "what cannot be deleted stays");
        fs::ignoreFailure(fs::createFolder(p), "it may still exist");
    }
    if (!quiet) common::uStopPracticeServers(tools);
    return true;
}

}  // namespace tasks
