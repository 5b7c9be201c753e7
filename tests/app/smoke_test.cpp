// The real program, started as a student would start it: offscreen, from its
// own folder beside a fresh demo materials tree.
#include "demotree/demotree.h"
#include "platform/instancelock.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class Smoke : public ::testing::Test {
protected:
    // The demo tree is laid out once for the suite (drawing its pictures and
    // writing its documents is most of the work); each test that runs on it
    // gets a fresh copy of its own.
    static void SetUpTestSuite()
    {
        built_ = new QTemporaryDir;
        builtOk_ = built_->isValid() && demotree::build(built_->path(), &buildError_);
        if (!built_->isValid()) buildError_ = QStringLiteral("no temporary folder for the demo tree");
    }
    static void TearDownTestSuite()
    {
        delete built_;
        built_ = nullptr;
    }
    // Puts a copy of the freshly built demo tree beside the program.
    void placeDemoTree()
    {
        ASSERT_TRUE(builtOk_) << buildError_.toStdString();
        namespace fs = std::filesystem;
        std::error_code e;
        fs::copy(QFile::encodeName(built_->path() + QStringLiteral("/素材")).toStdString(),
                 QFile::encodeName(program + QStringLiteral("/素材")).toStdString(), fs::copy_options::recursive, e);
        ASSERT_FALSE(e) << "cannot copy the demo tree: " << e.message();
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        program = dir.path() + QStringLiteral("/程序");
        ASSERT_TRUE(QDir().mkpath(program));
        ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANTH_BUILD_DIR "/corvanth"), program + "/corvanth"));
    }
    // Runs the program until it ends (at most 60 s); returns its exit code.
    int run()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("CORVANTH_REPORT_SHOWN"), QStringLiteral("1"));
        env.insert(QStringLiteral("CORVANTH_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        env.insert(QStringLiteral("CORVANTH_DRIVE_D"), dir.path() + QStringLiteral("/D"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(program + "/corvanth", {});
        EXPECT_TRUE(p.waitForStarted(10000));
        const bool finished = p.waitForFinished(60000);
        if (!finished) {
            p.kill();
            p.waitForFinished(5000);
        }
        EXPECT_TRUE(finished) << "the program did not end";
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
        return finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    static inline QTemporaryDir* built_ = nullptr;
    static inline bool builtOk_ = false;
    static inline QString buildError_;

    QTemporaryDir dir;
    QString program;
    QString out, err;
};

TEST_F(Smoke, StartsOnTheMainWindowOfAFreshDemoTree)
{
    ASSERT_NO_FATAL_FAILURE(placeDemoTree());
    EXPECT_EQ(run(), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("SHOWN"))) << out.toStdString() << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("MESSAGE:"))) << err.toStdString();
}

TEST_F(Smoke, WithoutTheMaterialsTreeItNamesTheMissingFolderAndEnds)
{
    EXPECT_EQ(run(), 1);
    EXPECT_FALSE(out.contains(QStringLiteral("SHOWN")));
    EXPECT_TRUE(err.contains(QStringLiteral("MESSAGE: 找不到素材文件夹："))) << err.toStdString();
    EXPECT_TRUE(err.contains(QDir::toNativeSeparators(program + QStringLiteral("/素材/bk")))) << err.toStdString();
}

TEST_F(Smoke, ASecondCopyOnTheSameTreeSaysThePlatformRunsAndEnds)
{
    ASSERT_NO_FATAL_FAILURE(placeDemoTree());
    {
        // The first copy's lock, held as that copy holds it.
        plat::setProgramFolder(program);
        const plat::InstanceLock first(plat::appPath(QStringLiteral("\\素材\\bk\\corvanth.lock")));
        plat::setProgramFolder(QString());
        ASSERT_EQ(first.state(), plat::InstanceLock::State::Held);
        EXPECT_EQ(run(), 1);
        EXPECT_FALSE(out.contains(QStringLiteral("SHOWN")));
        EXPECT_TRUE(err.contains(QStringLiteral("MESSAGE: 实训平台已经在运行，请使用已经打开的窗口。"))) << err.toStdString();
    }
    // Once the first copy has ended, the tree is free again.
    EXPECT_EQ(run(), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("SHOWN")));
}

}  // namespace
