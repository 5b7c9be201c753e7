#pragma once
// The fixture of the final-exam tests: an identity, a fixed random source,
// outside programs, the desktop and the folder picker observed, no pauses in
// the paper's progress bar, and helpers that drive the window as a student
// does.
#include "common/draw.h"
#include "common/handover.h"
#include "common/navigation.h"
#include "common/processes.h"
#include "exam/examwindow.h"
#include "forms/runtime.h"
#include "platform/desktop.h"
#include "platform/folderpicker.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "fake_servers.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace exam_support {

inline const QString kKey = QStringLiteral("2026001张三");
inline const QString kOther = QStringLiteral("2026002李四");
inline const QString kExam = QString::fromUtf8(exam::ExamWindow::kName);
inline const QString kMain = common::kMainWindowName;

// Random sources: the first paper, or the last.
using Source = std::uint32_t (*)(std::uint32_t);
inline std::uint32_t first(std::uint32_t) { return 0; }
inline std::uint32_t last(std::uint32_t bound) { return bound - 1; }

class Picker final : public plat::FolderPicker {
public:
    QString next;
    QString pick(QWidget*, const QString&) override { return next; }
};

class ExamTest : public testing_support::DemoTreeTest, protected testing_support::FakeServerState {
protected:
    // The exam's own tree, the archiver and the practice servers with the
    // kill tools the exam stops them with.
    ExamTest()
        : DemoTreeTest({QStringLiteral("素材/bk/期末考查"), QStringLiteral("素材/bk/soft/RAR"), QStringLiteral("素材/bk/soft/WebServer"),
                        QStringLiteral("素材/bk/soft/FtpServer"), QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        exam::ExamWindow::progressPauseMs = 0;
        hooks_.random(first);
        servers_.install();
        hooks_.addresses([this] { return addresses; });
        hooks_.recordDesktop(desktop);
        plat::setFolderPicker(&picker);
        setKey(kKey);
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
        target = dir_->path() + QStringLiteral("/交卷 U盘");
        QDir().mkpath(target);
    }
    void TearDown() override
    {
        forms::resetForTests();
        exam::ExamWindow::progressPauseMs = 1000;
        hooks_.reset();  // the fake servers' start hook and process list too
        plat::setFolderPicker(nullptr);
        PlatformTest::TearDown();
    }

    static void setKey(const QString& key) { signIn(key, QStringLiteral("2026001"), QStringLiteral("张三")); }

    exam::ExamWindow* open()
    {
        forms::show(kMain);
        forms::hide(kMain);
        return qobject_cast<exam::ExamWindow*>(forms::show(kExam));
    }
    static void click(exam::ExamWindow* w, const QString& button)
    {
        auto* b = w->ctl<QAbstractButton>(button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        b->click();
    }
    // A new exam for the current key on a clean PC: window open, paper made.
    exam::ExamWindow* started()
    {
        exam::ExamWindow* w = open();
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectOk(exam::msg::kArchiveMade);
        boxes.expectOk(exam::msg::kPaperMade);
        click(w, QStringLiteral("开始考试"));
        return w;
    }
    // Closes a running exam with OK.
    void closeRunning(exam::ExamWindow* w)
    {
        testing_support::ScriptedMessageBoxes boxes;
        boxes.expectYesNo(exam::msg::kAskLeaveUnfinished, true);
        EXPECT_TRUE(forms::unload(w));
        processEvents();
    }
    QLineEdit* box(exam::ExamWindow* w, int n) const
    {
        return w->ctl<QLineEdit>(QStringLiteral("第%1题选择答案").arg(n, 2, 10, QChar('0')));
    }

    QString d(const QString& rel) const { return drive_ + '/' + rel; }
    QString ex(const QString& rel) const { return hostPath(QStringLiteral("素材/bk/期末考查/") + rel); }
    // Every file under a folder, relative, sorted.
    static QStringList files(const QString& host)
    {
        QStringList out;
        QDirIterator it(host, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) out << QDir(host).relativeFilePath(it.next());
        out.sort();
        return out;
    }
    bool windowOpen() const { return forms::isLoaded(kExam); }

    testing_support::TestHooks hooks_;
    Picker picker;
    QString target;
};

}  // namespace exam_support
