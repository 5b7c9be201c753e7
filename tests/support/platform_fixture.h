#pragma once
// A fresh world for each test: a temporary program folder (empty, or with
// the demo materials tree for a DemoTreeTest), its own folder for drive D:,
// the windows registered and none loaded, the program's end observed
// instead of performed.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Host path under the program folder ("素材/bk/x.txt").
    QString hostPath(const QString& rel) const;
    // Raw bytes of a file under the program folder (empty when missing).
    QByteArray bytes(const QString& rel) const;
    // Writes raw bytes to a file under the program folder.
    void writeBytes(const QString& rel, const QByteArray& data) const;
    // Files by host path: the bytes (empty when missing); a file written
    // whole, its folders made; whether a file or folder is there.
    static QByteArray read(const QString& host);
    static void write(const QString& host, const QByteArray& data);
    static bool exists(const QString& host);
    // The student signed in: the identity hand-over file with the key, the
    // student number and the name.
    static void signIn(const QString& key, const QString& number, const QString& name);
    // Closes a loaded window (the close is not refused) and checks where the
    // program went: to the window `shown`, loaded and visible, or (nullptr)
    // to its end.
    void expectClosesTo(const QString& window, const char* shown);
    // Lets queued events run (deferred deletes, the end-of-program check).
    static void processEvents();

    std::unique_ptr<QTemporaryDir> dir_;
    QString program_;  // host program folder
    QString drive_;    // host folder standing for D:
    bool ended_ = false;
    // Whether the program folder gets a copy of the demo tree (set before
    // SetUp runs). Off by default: a test writes the few files it needs.
    bool withDemoTree_ = false;
    // With the demo tree: the parts of it to copy, relative to the program
    // folder ("素材/bk/模拟测试", "素材/bk/xz.txt"); empty copies all of it.
    QStringList demoParts_;
};

// A PlatformTest whose program folder holds a copy of the demo tree
// ("素材/..."), for tests of windows that walk many of its files. A fixture
// that needs only some of it names those parts: each costs its own files
// only, the whole tree costs about 1,500 file operations a test.
class DemoTreeTest : public PlatformTest {
protected:
    DemoTreeTest() { withDemoTree_ = true; }
    explicit DemoTreeTest(QStringList parts)
    {
        withDemoTree_ = true;
        demoParts_ = std::move(parts);
    }
};

// Code page 936 bytes of a text (test literals are UTF-8).
QByteArray gbk(const QString& text);

}  // namespace testing_support
