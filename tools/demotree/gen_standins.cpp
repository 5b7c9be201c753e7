// The stand-in outside programs in the demo tree: the practice servers, the
// mail client and the kill tools, copied (not linked, so that each process
// bears its own file name) to where the platform starts them.
#include "demotree/demotree.h"
#include "demotree/gen_standins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace demotree {
namespace {

struct Placement {
    const char* program;
    const char* folder;  // under "素材"
};

// The mock-test tools of every level come from one table row per level.
constexpr const char* kMockLevels[] = {"入门", "普通", "困难"};

constexpr Placement kPlacements[] = {
    {"MyWebServer.exe", "bk/soft/WebServer"},
    {"FTPServer.exe", "bk/soft/FtpServer"},
    {"CMailServer.exe", "bk/soft/Mailserver/cmail"},
    {"Foxmail.exe", "bk/soft/Mailserver/Foxmail"},
    {"Ftpconsole.exe", "bk/soft/FtpSever for mission"},
    {"mission_ftp_kill_app.exe", "bk/soft/FtpSever for mission"},
    {"MyWebServer0.exe", "bk/soft/WebSever for mission"},
    {"mission_web_kill_app.exe", "bk/soft/WebSever for mission"},
    {"kill_app.exe", "bk/题库/操作题/network/server"},
    {"f-kill_app.exe", "bk/题库/操作题/network/server"},
    {"mail-kill_app.exe", "bk/题库/操作题/network/server"},
    {"Rar.exe", "bk/soft/RAR"},
};

// Where the built stand-ins are: beside the running program, else in the
// build folder they were made in.
QString builtFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance()) candidates << QCoreApplication::applicationDirPath();
#ifdef CORVANTH_STANDIN_DIR
    candidates << QStringLiteral(CORVANTH_STANDIN_DIR);
#endif
    for (const QString& c : candidates)
        if (QFileInfo(c + QStringLiteral("/kill_app.exe")).isExecutable()) return c;
    return {};
}

bool place(const QString& from, const QString& program, const QString& folder, QString* error)
{
    const QString src = from + '/' + program;
    if (!QFileInfo(src).isFile()) return true;  // not built: the tree goes without it
    if (!QDir().mkpath(folder)) {
        if (error) *error = QStringLiteral("cannot create ") + folder;
        return false;
    }
    const QString dst = folder + '/' + program;
    QFile::remove(dst);
    if (!QFile::copy(src, dst)) {
        if (error) *error = QStringLiteral("cannot copy ") + src;
        return false;
    }
    QFile::setPermissions(dst, QFile::permissions(src) | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

}  // namespace

QStringList standInPlacements()
{
    QStringList out;
    for (const Placement& p : kPlacements)
        out << QString::fromUtf8(p.folder) + '/' + QString::fromUtf8(p.program);
    for (const char* level : kMockLevels)
        for (const char* tool : {"kill_app.exe", "f-kill_app.exe"})
            out << QStringLiteral("bk/模拟测试/题库/%1/network/sever/%2").arg(QString::fromUtf8(level), QString::fromUtf8(tool));
    return out;
}

bool generateStandIns(const QString& materialsFolder, QString* error)
{
    const QString from = builtFolder();
    if (from.isEmpty()) return true;
    for (const QString& rel : standInPlacements()) {
        const QFileInfo fi(materialsFolder + '/' + rel);
        if (!place(from, fi.fileName(), fi.absolutePath(), error)) return false;
    }
    return true;
}

}  // namespace demotree
