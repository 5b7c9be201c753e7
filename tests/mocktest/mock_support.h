#pragma once
// The fixture of the mock-test tests: an identity and launch mode, a fixed
// random source, the desktop and outside programs observed, and helpers to
// reach the window and click its buttons as a student does.
#include "common/draw.h"
#include "common/handover.h"
#include "common/processes.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "mocktest/answering/mocktestwindow.h"
#include "mocktest/paper/generation.h"
#include "platform/desktop.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/shellwait.h"
#include "platform/textfile.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QDir>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace mock_support {

inline const QString kKey = QStringLiteral("2026001张三");
inline const QString kMock = QStringLiteral("模拟测试窗格");

// Random sources: always the first remaining number (draws 1, 2, 3, ...) or
// always the last (draws n, 1, 2, ...).
inline std::uint32_t first(std::uint32_t) { return 0; }
inline std::uint32_t last(std::uint32_t bound) { return bound - 1; }

class MockTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        common::setRandomSourceForTests(first);
        plat::setStartHookForTests([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            const QString name = QFileInfo(host).fileName();
            starts << name;
            styles << style;
            if (name == QStringLiteral("FTPServer.exe") || name == QStringLiteral("MyWebServer.exe")) running << name;
            if (name == QStringLiteral("kill_app.exe")) running.removeAll(QStringLiteral("MyWebServer.exe"));
            if (name == QStringLiteral("f-kill_app.exe")) running.removeAll(QStringLiteral("FTPServer.exe"));
            return qint64(999999);
        });
        common::setProcessListForTests([this] { return running; });
        plat::setIPv4AddressesForTests([this] { return addresses; });
        plat::setDesktopHookForTests([this](plat::DesktopAction, const QString& text) {
            desktop << text;
            return true;
        });
        uWriteTextFile(common::kIdentityFile, kKey + QStringLiteral("\r\n2026001\r\n张三"));
        uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more"));
    }
    void TearDown() override
    {
        forms::resetForTests();
        common::resetRandomSource();
        plat::setStartHookForTests(nullptr);
        common::setProcessListForTests(nullptr);
        plat::setIPv4AddressesForTests(nullptr);
        plat::setDesktopHookForTests(nullptr);
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
        boxes.expectOk(mocktest::kPaperMade);
        finishProgress(w);
        return w;
    }

    QString d(const QString& rel) const { return drive_ + '/' + rel; }
    QString mt(const QString& rel) const { return hostPath(QStringLiteral("素材/bk/模拟测试/") + rel); }
    QString bank(const QString& level, const QString& rel) const
    {
        return hostPath(QStringLiteral("素材/bk/模拟测试/题库/") + level + '/' + rel);
    }
    static QByteArray read(const QString& host)
    {
        QFile f(host);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static bool exists(const QString& host) { return QFileInfo::exists(host); }
    static QStringList entries(const QString& host);

    QStringList starts;
    QList<plat::WindowStyle> styles;
    QStringList running;
    QStringList desktop;
    QStringList addresses{QStringLiteral("10.1.2.3")};
};

inline QStringList MockTest::entries(const QString& host)
{
    QStringList out;
    for (const QFileInfo& fi : QDir(host).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) out << fi.fileName();
    return out;
}

}  // namespace mock_support
