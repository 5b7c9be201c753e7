#include "platform_fixture.h"

#include "demotree/demotree.h"
#include "forms/runtime.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "windows/registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing_support {

void PlatformTest::SetUp()
{
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    program_ = dir_->path() + QStringLiteral("/程序");
    drive_ = dir_->path() + QStringLiteral("/D");
    ASSERT_TRUE(QDir().mkpath(program_));
    ASSERT_TRUE(QDir().mkpath(drive_));
    plat::setProgramFolder(program_);
    plat::setDriveD(drive_);
    if (withDemoTree_) {
        QString error;
        ASSERT_TRUE(demotree::build(program_, &error)) << error.toStdString();
    }
    static bool registered = false;
    if (!registered) {
        windows::registerAll();
        registered = true;
    }
    forms::resetForTests();
    ended_ = false;
    forms::setEndHandler([this] { ended_ = true; });
}

void PlatformTest::TearDown()
{
    processEvents();
    forms::resetForTests();
    forms::setEndHandler(nullptr);
    processEvents();
    plat::setProgramFolder(QString());
    plat::setDriveD(QString());
    dir_.reset();
}

QString PlatformTest::hostPath(const QString& rel) const { return program_ + '/' + rel; }

QByteArray PlatformTest::bytes(const QString& rel) const
{
    QFile f(hostPath(rel));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void PlatformTest::writeBytes(const QString& rel, const QByteArray& data) const
{
    const QString p = hostPath(rel);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

void PlatformTest::processEvents()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QByteArray gbk(const QString& text) { return plat::encode936(text).value_or(QByteArray()); }

}  // namespace testing_support
