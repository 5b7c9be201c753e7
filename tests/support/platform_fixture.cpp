#include "platform_fixture.h"

#include "common/handover.h"
#include "demotree/demotree.h"
#include "demotree/gen_standins.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "windows/registry.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {
namespace {

// Laying out the demo tree draws pictures and writes documents: far more
// than copying it. It is laid out once into a template, shared by every test
// process of one test program, and each test gets a copy. The template is
// named after what it is made of (this program's file, the demo sources and
// the built stand-ins), so a change to any of them makes a new one.
void addFile(QCryptographicHash& h, const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return;
    h.addData(QFile::encodeName(path));
    const qint64 facts[] = {qint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec)};
    h.addData(QByteArrayView(reinterpret_cast<const char*>(facts), sizeof facts));
}

QString templateKey()
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    addFile(h, QStringLiteral("/proc/self/exe"));
    QDirIterator it(demotree::sourceFolder(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    QStringList sources;
    while (it.hasNext()) sources << it.next();
    sources.sort();
    for (const QString& f : sources) addFile(h, f);
    for (const QString& placed : demotree::standInPlacements())
        addFile(h, QApplication::applicationDirPath() + '/' + QFileInfo(placed).fileName());
    return QString::fromLatin1(h.result().toHex().left(16));
}

// The template's folder (its "素材" inside), made under a lock when this
// program has none yet; empty (with a reason) when it cannot be made.
QString demoTemplate(QString* error)
{
    static QString folder;
    static QString why;
    static bool done = false;
    if (done) {
        *error = why;
        return folder;
    }
    done = true;
    const QString program = QFileInfo(QApplication::applicationFilePath()).fileName();
    const QString cache = QStringLiteral(CORVANTH_BUILD_DIR "/test-demotree");
    const QString name = program + '-' + templateKey();
    const QString target = cache + '/' + name;
    QDir().mkpath(cache);
    const int lock = ::open(QFile::encodeName(cache + '/' + program + QStringLiteral(".lock")).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock < 0 || ::flock(lock, LOCK_EX) != 0) {
        why = QStringLiteral("cannot lock the demo tree template in ") + cache;
        if (lock >= 0) ::close(lock);
        *error = why;
        return {};
    }
    if (!QFileInfo(target).isDir()) {
        // Templates of earlier builds of this program go; the new one is
        // laid out aside and appears whole.
        for (const QString& old : QDir(cache).entryList({program + QStringLiteral("-*")}, QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(cache + '/' + old).removeRecursively();
        const QString part = target + QStringLiteral(".part");
        if (demotree::build(part, &why) && QDir().rename(part, target)) folder = target;
        else if (why.isEmpty()) why = QStringLiteral("cannot put the demo tree template in place: ") + target;
    } else {
        folder = target;
    }
    ::close(lock);
    *error = why;
    return folder;
}

}  // namespace

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
        const QString demo = demoTemplate(&error);
        ASSERT_FALSE(demo.isEmpty()) << error.toStdString();
        // A plain copy: the template is known whole, and the platform's
        // careful copy (each file aside, then renamed) costs several times more.
        namespace fs = std::filesystem;
        const QStringList parts = demoParts_.isEmpty() ? QStringList{QString()} : demoParts_;
        for (const QString& part : parts) {
            const QString from = part.isEmpty() ? demo : demo + '/' + part;
            const QString to = part.isEmpty() ? program_ : program_ + '/' + part;
            ASSERT_TRUE(QFileInfo::exists(from)) << "no such part of the demo tree: " << part.toStdString();
            std::error_code copyError;
            fs::create_directories(fs::path(QFile::encodeName(to).toStdString()).parent_path(), copyError);
            if (!copyError)
                fs::copy(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(),
                         fs::copy_options::recursive | fs::copy_options::overwrite_existing, copyError);
            ASSERT_FALSE(copyError) << "cannot copy " << part.toStdString() << " of the demo tree: " << copyError.message();
        }
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

QByteArray PlatformTest::read(const QString& host)
{
    QFile f(host);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void PlatformTest::write(const QString& host, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(host).absolutePath());
    QFile f(host);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << host.toStdString();
    f.write(data);
}

bool PlatformTest::exists(const QString& host) { return QFileInfo::exists(host); }

void PlatformTest::signIn(const QString& key, const QString& number, const QString& name)
{
    EXPECT_TRUE(uWriteTextFile(common::kIdentityFile, key + QStringLiteral("\r\n") + number + QStringLiteral("\r\n") + name));
}

void PlatformTest::expectClosesTo(const QString& window, const char* shown)
{
    EXPECT_TRUE(forms::unload(window));
    processEvents();
    EXPECT_FALSE(forms::isLoaded(window));
    EXPECT_EQ(ended_, shown == nullptr);
    if (shown) {
        ASSERT_TRUE(forms::isLoaded(QString::fromUtf8(shown)));
        EXPECT_TRUE(forms::loaded(QString::fromUtf8(shown))->isVisible());
    }
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
