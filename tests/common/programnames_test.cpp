// The outside programs by name: every kill tool of a tool set and every
// program the platform starts lies in the materials tree under the name
// the windows ask for.
#include "common/guards.h"
#include "common/processes.h"
#include "common/servers.h"
#include "platform/paths.h"
#include "platform_fixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The folders of the demo tree that hold outside programs.
class ProgramNames : public testing_support::DemoTreeTest {
protected:
    ProgramNames()
        : DemoTreeTest({QStringLiteral("素材/bk/soft"), QStringLiteral("素材/bk/题库/操作题/network/server"),
                        QStringLiteral("素材/bk/模拟测试/题库/入门/network/sever")})
    {
    }
};

TEST_F(ProgramNames, EveryKillToolOfEveryToolSetIsInTheDemoTree)
{
    const QList<common::ToolSet> sets = {common::exerciseTools(), common::mockTestTools(QStringLiteral("入门")),
                                         common::missionTools()};
    for (const common::ToolSet& set : sets)
        for (const common::ToolPair& t : set) {
            EXPECT_TRUE(QFileInfo(plat::toHost(plat::appPath(t.killTool))).isExecutable()) << t.killTool.toStdString();
            EXPECT_FALSE(t.process.isEmpty());
        }
}

TEST_F(ProgramNames, EveryServerProgramIsFoundByItsProcessName)
{
    const std::pair<QString, QString> programs[] = {
        {common::kWebServerExe, common::kWebServerProcess},
        {common::kFtpServerExe, common::kFtpServerProcess},
        {common::kMailServerExe, common::kMailServerProcess},
        {common::kMailClientExe, common::kMailClientProcess},
        {common::kMissionFtpFolder + QStringLiteral("\\") + common::kMissionFtpProcess, common::kMissionFtpProcess},
        {common::kMissionWebFolder + QStringLiteral("\\") + common::kMissionWebProcess, common::kMissionWebProcess},
    };
    for (const auto& [path, process] : programs) {
        const QFileInfo file(plat::toHost(plat::appPath(path)));
        EXPECT_TRUE(file.isFile()) << path.toStdString();
        EXPECT_TRUE(common::sameProgramName(file.fileName(), process)) << path.toStdString();
    }
}

}  // namespace
