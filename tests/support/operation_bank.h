#pragma once
// The fixture of the windows that lay out exercises of the operation bank
// (the knowledge-point exercise window, the random practice window): the
// practice servers faked, one IPv4 address, hand-overs to the desktop noted
// as "<action number>:<text>", student 2024001张三 signed in in launch mode
// "more", called from the given place.
#include "common/handover.h"
#include "fake_servers.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace testing_support {

class OperationBankTest : public DemoTreeTest, protected FakeServerState {
protected:
    OperationBankTest(QStringList parts, QString callMarker, FakeServers::Runs runs)
        : DemoTreeTest(std::move(parts)), callMarker_(std::move(callMarker)), runs_(runs)
    {
    }
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        servers_.tools = FakeServers::practiceTools();
        servers_.runs = runs_;
        servers_.onStart = [this](const QString& name, plat::WindowStyle) {
            if (name == QStringLiteral("f-kill_app.exe")) ftpFolderAtKill = onD(QStringLiteral("PracticalTraining"));
        };
        servers_.install();  // the start hook and the process list, undone by hooks_
        hooks_.addresses([this] { return addresses; });
        hooks_.recordDesktop(desktop, TestHooks::Noted::ActionAndText);
        signIn(QStringLiteral("2024001张三"), QStringLiteral("2024001"), QStringLiteral("张三"));
        EXPECT_TRUE(uWriteTextFile(common::kLaunchModeFile, QStringLiteral("more")));
        EXPECT_TRUE(uWriteTextFile(common::kCallMarkerFile, callMarker_));
    }

    QString bank(const QString& kind) const { return QStringLiteral("素材/bk/题库/操作题/") + kind + '/'; }
    void text(const QString& rel, const QString& t) const { writeBytes(rel, gbk(t)); }
    void jpeg(const QString& rel, int w, int h) const
    {
        QDir().mkpath(QFileInfo(hostPath(rel)).absolutePath());
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        ASSERT_TRUE(img.save(hostPath(rel), "JPG"));
    }
    bool onD(const QString& rel) const { return QFileInfo::exists(drive_ + '/' + rel); }
    QStringList docs(const QString& kind) const { return QDir(hostPath(bank(kind) + QStringLiteral("题目文档"))).entryList(QDir::Files); }

    // Whether the FTP folder was still there when its server's kill tool started.
    bool ftpFolderAtKill = false;
    // Undoes the hooks (the fake servers' ones too) when the test is over,
    // before what they write to goes.
    TestHooks hooks_;

private:
    QString callMarker_;
    FakeServers::Runs runs_;
};

}  // namespace testing_support
