// libarchive is opened when an archive is first read, not when the program
// starts.
#include "platform/archive.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool libarchiveMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libarchive.so");
}

TEST(ArchiveLibrary, IsLoadedOnlyWhenAnArchiveIsFirstRead)
{
    EXPECT_FALSE(libarchiveMapped());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile notAnArchive(dir.path() + QStringLiteral("/作业.zip"));
    ASSERT_TRUE(notAnArchive.open(QIODevice::WriteOnly));
    notAnArchive.write("not an archive at all");
    notAnArchive.close();
    QString why;
    EXPECT_FALSE(plat::listArchive(notAnArchive.fileName(), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(libarchiveMapped());
}

}  // namespace
