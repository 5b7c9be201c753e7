#include "mocktest/paper/exitcleanup.h"

#include "common/ipv4.h"
#include "common/messages.h"
#include "common/servers.h"
#include "mocktest/messages.h"
#include "mocktest/paper/leveltable.h"
#include "platform/filesystem.h"
#include "platform/paths.h"


namespace mocktest {

namespace fs = plat::fs;

namespace {

// Check order; the FTP folder shares the network folder's probe name.
constexpr common::WorkingFolder kChecked[] = {
    {"KSDOC", "D:\\w改名"}, {"KSXLS", "D:\\e改名"}, {"KSPPT", "D:\\p改名"},
    {"KSWIN", "D:\\win改名"}, {"KSNET", "D:\\n改名"}, {"PracticalTraining", "D:\\n改名"},
};
constexpr const char* kDeleteOrder[] = {"KSDOC", "KSXLS", "KSPPT", "KSNET", "KSWIN", "PracticalTraining"};

}  // namespace

common::GuardList exitGuards()
{
    common::GuardList g = common::workingFolderGuards(kChecked);
    g << common::GuardEntry::probe(mockTree(), plat::appPath(kMockTreeProbe), true, common::msg::kCloseOpenDocuments);
    return g;
}

QStringList cleanMockWorkspace(const QString& level, forms::Form* owner)
{
    // The servers let go of the folders they serve before these go.
    const common::ToolSet tools = common::mockTestTools(level);
    // A server that did not stop keeps its folder, which is then named as
    // kept; an owner that went away meanwhile is not waited on again.
    for (const common::ToolPair& t : tools)
        if (common::stopServerAndWait(tools, t.process, owner) == common::WaitResult::Gone) owner = nullptr;
    QStringList kept;
    for (const char* name : kDeleteOrder) {
        const QString folder = QStringLiteral("D:\\") + QString::fromUtf8(name);
        if (!fs::folderExists(folder)) continue;
        // The folders are the platform's: read-only files the questions had
        // the student make go with them.
        if (fs::deleteFolder(folder, true) == fs::Status::Failed) kept << folder;
    }
    fs::ignoreFailure(fs::deleteFile(common::kIpTempFile), "the next lookup overwrites it");
    return kept;
}

QString foldersKeptMessage(const QStringList& folders)
{
    QStringList shown;
    for (const QString& f : folders) shown << plat::displayPath(f);
    return msg::foldersKept(shown);
}

}  // namespace mocktest
