#pragma once
// The mission servers of the network tasks: the FTP server "Ftpconsole.exe",
// whose user file gives the student's project archive as home folder, and
// the web server "MyWebServer0.exe" on port 8088.
#include "common/servers.h"

#include <QString>
#include <span>

namespace tasks {

using common::kMissionFtpFolder;
using common::kMissionFtpProcess;
using common::kMissionWebFolder;
using common::kMissionWebExe;
using common::kMissionWebProcess;
using common::missionServerTable;
inline const QString kMissionFtpExe = kMissionFtpFolder + QStringLiteral("\\") + kMissionFtpProcess;

// The FTP home folder of a student: the "ftp" folder of the project archive,
// as the host shows it, ending with a separator.
QString missionFtpHome(const QString& area, const QString& key);

// Builds "ftpusers.xml" from its template (every "主目录" replaced by the
// home folder, the key written as XML text; the file replaced whole and
// atomically) and starts the FTP server hidden. False (the student told)
// when the template cannot be read, the file not written or the server not
// started; the server's user file is then unchanged.
bool uSetupMissionFtpServer(const QString& area, const QString& key, QWidget* owner = nullptr);
QString missionFtpTemplateMissingMessage();
// Writes the table into the staging server.ini, puts a copy in place of the
// server's own file and starts the web server hidden (as
// common::uSetupWebServer).
bool uSetupMissionWebServer(const QString& ipv4, QWidget* owner = nullptr);

}  // namespace tasks
