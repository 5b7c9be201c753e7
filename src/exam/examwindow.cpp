#include "exam/examwindow.h"

#include "common/guards.h"
#include "common/handover.h"
#include "common/navigation.h"
#include "common/servers.h"
#include "exam/examwindow_design.h"
#include "exam/messages.h"
#include "forms/runtime.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QLineEdit>

namespace exam {

namespace fs = plat::fs;

const std::array<PageKind, 5> kKinds = {{
    {"操作题word", "word", "docx", "KSDOC", true},
    {"操作题excel", "excel", "xlsx", "KSXLS", true},
    {"操作题ppt", "ppt", "pptx", "KSPPT", true},
    {"操作题windows", "windows", "win", "KSWIN", false},
    {"操作题network", "network", "net", "KSNET", false},
}};

const PageKind* findKind(const QString& kind)
{
    for (const PageKind& k : kKinds)
        if (kind == QLatin1String(k.kind)) return &k;
    return nullptr;
}

int ExamWindow::progressPauseMs = 1000;

bool isHandedIn(const QString& key)
{
    if (key.isEmpty()) return false;
    const QString folder = plat::appPath(kSubmitted);
    if (fs::listFiles(folder).isEmpty()) return false;
    // The whole name is compared: a key with "." in it is still found.
    const QString wanted = key + QStringLiteral(".rar");
    QStringList entries = fs::listFiles(folder, QStringLiteral("*.rar"));
    entries << fs::listSubFolders(folder);
    for (const QString& e : entries)
        if (e.compare(wanted, Qt::CaseInsensitive) == 0) return true;
    return false;
}

common::GuardList workTreeWindowGuards()
{
    common::GuardList guards;
    for (const PageKind& k : kKinds) {
        const QString name = QString::fromUtf8(k.folder);
        guards << common::GuardEntry::explorer(name, common::explorerOpenMessage(name), kWorkTree + '\\' + name);
    }
    return guards;
}

namespace {

// The close after a hand-in deletes "D:\KS" and the FTP folder: a
// file-manager window on either, or on a folder inside it, would have its
// folder deleted under it. Only folders that are there are checked.
common::GuardList handedInCloseGuards()
{
    common::GuardList guards;
    if (fs::folderExists(kWorkTree)) {
        guards << workTreeWindowGuards();
        guards << common::GuardEntry::explorer(QStringLiteral("KS"), {}, kWorkTree);
    }
    if (fs::folderExists(common::kFtpFolder))
        guards << common::GuardEntry::explorer(QStringLiteral("PracticalTraining"), {}, common::kFtpFolder);
    for (common::GuardEntry& g : guards) g.message = msg::closeFolderWindowAfterHandIn(g.folderName);
    return guards;
}

}  // namespace

QStringList missingPaperParts(const QString& paper)
{
    QStringList missing;
    if (!fs::folderExists(paper)) return {paper};
    for (int n = 1; n <= kChoiceCount; ++n) {
        const QString q = paper + QStringLiteral("\\选择题\\%1.txt").arg(n);
        if (!fs::fileExists(q)) missing << q;
    }
    if (!fs::fileExists(paper + QStringLiteral("\\选择题\\answer.txt"))) missing << paper + QStringLiteral("\\选择题\\answer.txt");
    for (const PageKind& k : kKinds) {
        const QString kind = QString::fromUtf8(k.kind);
        const QString text = paper + '\\' + kind + QStringLiteral("\\题目内容\\") + kind + QStringLiteral(".txt");
        const QString doc = paper + '\\' + kind + QStringLiteral("\\题目文档\\") + kind + QStringLiteral("考查题.") +
                            QString::fromUtf8(k.ext);
        const QString material = paper + '\\' + kind + (kind == QLatin1String("network") ? QStringLiteral("\\素材2") : QStringLiteral("\\素材"));
        for (const QString& f : {text, doc})
            if (!fs::fileExists(f)) missing << f;
        if (!fs::folderExists(material)) missing << material;
    }
    return missing;
}

ExamWindow::ExamWindow() : forms::Form(kExamWindowSpec, examWindowDesign()), style_(this, styleLayout())
{
    style_.connectButtons();
    onClick(QStringLiteral("开始考试"), [this] { startExam(); });
    for (const PageKind& k : kKinds) onClick(QString::fromUtf8(k.button), [this, &k] { openPage(k); });
    onClick(QStringLiteral("c返回"), [this] { backToTypes(); });
    onClick(QStringLiteral("开始答题"), [this] { openDocument(); });
    onClick(QStringLiteral("考生文件夹"), [this] { openWorkFolder(); });
    onClick(QStringLiteral("恢复本题"), [this] { restoreQuestion(); });
    onClick(QStringLiteral("理论题"), [this] { openChoicePage(); });
    for (int n = 1; n <= kChoiceCount; ++n) onClick(QStringLiteral("第%1题").arg(n, 2, 10, QChar('0')), [this, n] { showChoice(n); });
    onClick(QStringLiteral("x返回"), [this] { leaveChoicePage(); });
    onClick(QStringLiteral("操作题选择提交路径"), [this] { chooseHandInFolder(); });
    onClick(QStringLiteral("操作题提交"), [this] { handIn(); });
    ctl<QLineEdit>(QStringLiteral("操作题保存路径"))->setReadOnly(true);
    for (int n = 1; n <= kChoiceCount; ++n) {
        auto* box = ctl<QLineEdit>(answerBox(n));
        box->setMaxLength(n == 1 ? 4 : 1);
        box->setAlignment(Qt::AlignCenter);
        connect(box, &QLineEdit::textChanged, this, [this, n] { answerChanged(n); });
    }
}

// This window's frames and margins for the shared style panel: the frame
// keeps its design top, the picture is centred on the frame, the operation
// page grows with the window.
common::StylePanelLayout ExamWindow::styleLayout()
{
    common::StylePanelLayout l;
    l.frameMargin = 400;
    l.centre = common::StylePanelLayout::Centre::Frame;
    l.pictureOffset = -200;
    l.openHeight = [this](int frameHeight) {
        QWidget* content = ctl("操作题内容区");
        const int h = forms::topTw(content) + forms::heightTw(content) + kPageHeightMargin + frameHeight + 100;
        QWidget* page = ctl("操作题区");
        forms::resizeTw(page, forms::widthTw(page), h);
        return h;
    };
    l.foldSize = [this] {
        QWidget* content = ctl("操作题内容区");
        setOuterHeightTw(forms::topTw(content) + forms::heightTw(content) + kPageHeightMargin);
    };
    return l;
}

bool ExamWindow::startAllowed() const { return ctl("开始考试")->isEnabled(); }

QString ExamWindow::answerBox(int n) const { return QStringLiteral("第%1题选择答案").arg(n, 2, 10, QChar('0')); }

void ExamWindow::showPanel(const char* panel)
{
    for (const char* p : {"综合考查简介", "题型选择区", "操作题区", "选择题区"})
        ctl(QString::fromUtf8(p))->setVisible(qstrcmp(p, panel) == 0);
}

void ExamWindow::onLoad()
{
    const QString key = uReadTextLine(common::kIdentityFile, 1).value_or(QString());
    state.学生信息 = key;
    if (isHandedIn(key)) {
        msgOk(msg::handedIn(key), this);
        ctl("开始考试")->setEnabled(false);
    }
    QWidget* intro = ctl("综合考查简介");
    showPanel("综合考查简介");
    forms::moveTw(intro, 0, -120);
    setOuterSizeTw(forms::widthTw(intro) + kPanelWidthMargin, forms::heightTw(intro) + kPanelHeightMargin);
    state.学生信息.clear();
}

void ExamWindow::onUnload(bool& cancel)
{
    if (isBusy()) {
        cancel = true;
        return;
    }
    if (state.退出检测 != QStringLiteral("1") || !state.handedIn) {
        if (!state.学生信息.isEmpty()) {
            if (!msgOkCancel(msg::kAskLeaveUnfinished, this)) {
                cancel = true;
                return;
            }
            // The typed answers are kept for the next start.
            saveAnswers();
        }
        forms::show(common::kMainWindowName);
        return;
    }
    // Handed in and verified: the working folders and servers go. A
    // file-manager window on one of the folders keeps the window open, still
    // handed in: the student closes that window and closes this one again.
    // Nothing is deleted or stopped before the check passes.
    if (!common::uCheckFoldersFree(handedInCloseGuards(), this)) {
        cancel = true;
        return;
    }
    fs::ignoreFailure(fs::deleteFolder(kWorkTree, true), "handed in: what cannot be deleted stays");
    fs::ignoreFailure(fs::deleteFolder(common::kFtpFolder, true), "handed in: what cannot be deleted stays");
    common::uStopPracticeServers(common::mockTestTools(QStringLiteral("入门")));
    forms::show(common::kMainWindowName);
}

}  // namespace exam
