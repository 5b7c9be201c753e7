#pragma once
// The fixture of the mock-test tests: an identity and launch mode, a fixed
// random source, the desktop and outside programs observed, and helpers to
// reach the window and click its buttons as a student does.
#include "common/draw.h"
#include "common/handover.h"
#include "common/messages.h"
#include "common/processes.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "mocktest/answering/mocktestwindow.h"
#include "mocktest/messages.h"
#include "mocktest/paper/generation.h"
#include "platform/desktop.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "fake_servers.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QDir>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <gtest/gtest.h>
#include <memory>

namespace mock_support {

using testing_support::ScriptedMessageBoxes;

inline const QString kKey = QStringLiteral("2026001张三");
inline const QString kMock = QStringLiteral("模拟测试窗格");

// Random sources: always the first remaining number (draws 1, 2, 3, ...) or
// always the last (draws n, 1, 2, ...).
inline std::uint32_t first(std::uint32_t) { return 0; }
inline std::uint32_t last(std::uint32_t bound) { return bound - 1; }

class MockTest : public testing_support::DemoTreeTest, protected testing_support::FakeServerState {
protected:
    // The mock tree, and the practice servers' folders the network
    // questions set up.
    MockTest()
        : DemoTreeTest({QStringLiteral("素材/bk/模拟测试"), QStringLiteral("素材/bk/soft/WebServer"),
                        QStringLiteral("素材/bk/soft/FtpServer")})
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks.random(first);
        servers_.install();
        hooks.addresses([this] { return addresses; });
        hooks.recordDesktop(desktop);
        signIn(kKey, QStringLiteral("2026001"), QStringLiteral("张三"));
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
    }
    void TearDown() override
    {
        levelBoxes_.reset();
        forms::resetForTests();
        hooks.reset();
        PlatformTest::TearDown();
    }

    mocktest::MockTestWindow* open()
    {
        return qobject_cast<mocktest::MockTestWindow*>(forms::show(kMock));
    }
    static void click(mocktest::MockTestWindow* w, const QString& button)
    {
        auto* b = w->ctl<QAbstractButton>(button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        b->click();
    }
    // Runs the progress to its end (the ticks without the seconds).
    static void finishProgress(mocktest::MockTestWindow* w)
    {
        w->timer()->stop();
        auto* bar = w->ctl<QProgressBar>(QStringLiteral("ProgressBar1"));
        for (int i = 0; i <= bar->maximum(); ++i) w->tick();
    }
    // A paper of the level, announced.
    mocktest::MockTestWindow* paper(const QString& level, testing_support::ScriptedMessageBoxes& boxes)
    {
        auto* w = open();
        const mocktest::LevelSpec* l = mocktest::findLevel(level);
        click(w, QString::fromUtf8(l->button));
        boxes.expectOk(mocktest::msg::kPaperMade);
        finishProgress(w);
        return w;
    }

    // For tables of cases over levels: the window of the level's paper, the
    // same one while the level stays and a fresh one (a new paper, its own
    // message boxes) when it changes or when asked for.
    mocktest::MockTestWindow* paperFor(const QString& level, bool fresh = false)
    {
        if (fresh || level != level_ || !levelWindow_) {
            levelBoxes_.reset();
            forms::resetForTests();
            levelBoxes_ = std::make_unique<ScriptedMessageBoxes>();
            level_ = level;
            levelWindow_ = paper(level, *levelBoxes_);
        }
        return levelWindow_;
    }
    ScriptedMessageBoxes& levelBoxes() { return *levelBoxes_; }

    static QString slotButton(int slot) { return QStringLiteral("c") + mocktest::slotName(slot); }
    // The page button, then the slot button.
    static void openSlot(mocktest::MockTestWindow* w, const QString& page, int slot)
    {
        click(w, page);
        click(w, slotButton(slot));
    }
    static QString shownText(mocktest::MockTestWindow* w)
    {
        return w->ctl<QPlainTextEdit>(QStringLiteral("操作题题目内容"))->toPlainText();
    }
    static bool visible(mocktest::MockTestWindow* w, const char* name) { return !w->ctl(QString::fromUtf8(name))->isHidden(); }
    // The two questions of the close, the second answered as given.
    static void expectCloseQuestions(ScriptedMessageBoxes& boxes, bool yes = true)
    {
        boxes.expectYesNo(common::msg::kAskExit, true);
        boxes.expectYesNo(mocktest::msg::kAskExitClears, yes);
    }

    // The file with its folders, holding the bytes.
    static void touch(const QString& host, const QByteArray& data = "x") { write(host, data); }
    QString d(const QString& rel) const { return drive_ + '/' + rel; }
    QString mt(const QString& rel) const { return hostPath(QStringLiteral("素材/bk/模拟测试/") + rel); }
    QString bank(const QString& level, const QString& rel) const
    {
        return hostPath(QStringLiteral("素材/bk/模拟测试/题库/") + level + '/' + rel);
    }
    static QStringList entries(const QString& host);

    // The hooks of the test, all undone in TearDown; the fake servers set
    // the start hook and the process list.
    testing_support::TestHooks hooks;

private:
    QString level_;
    mocktest::MockTestWindow* levelWindow_ = nullptr;
    std::unique_ptr<ScriptedMessageBoxes> levelBoxes_;
};

inline QStringList MockTest::entries(const QString& host)
{
    QStringList out;
    for (const QFileInfo& fi : QDir(host).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) out << fi.fileName();
    return out;
}

}  // namespace mock_support
