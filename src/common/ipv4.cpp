#include "common/ipv4.h"

#include "platform/filesystem.h"
#include "platform/result.h"
#include "platform/textfile.h"

namespace common {

QString parseIPv4(const QStringList& lines)
{
    QString address;
    for (const QString& line : lines) {
        if (!line.contains(QStringLiteral("IPv4"))) continue;
        address = line.mid(line.lastIndexOf(QLatin1Char(' ')) + 1);
    }
    return address;
}

bool runIpconfig(forms::Form* owner, bool append)
{
    const QString line = QStringLiteral("cmd.exe /c ipconfig ") + (append ? QStringLiteral(">>") : QStringLiteral(">")) +
                         kIpTempFile;
    return uShellAndWait(line, plat::WindowStyle::Minimized, owner) != WaitResult::NotStarted;
}

QString readLocalIPv4(const QString& copyPath)
{
    // A copy left from an earlier lookup must never stand in for this one.
    plat::fs::ignoreFailure(plat::fs::deleteFile(copyPath, true), "usually there is none");
    plat::fs::ignoreFailure(plat::fs::copyFile(kIpTempFile, copyPath), "no copy reads as no address");
    plat::fs::ignoreFailure(plat::fs::deleteFile(kIpTempFile), "the next lookup overwrites it");
    return parseIPv4(plat::readLines936(copyPath).value_or(QStringList()));
}

QString uGetLocalIPv4(const QString& copyPath, forms::Form* owner)
{
    // No report reads as no address, which the caller tells the student.
    plat::ignoreFailure(runIpconfig(owner), "no report gives no address");
    return readLocalIPv4(copyPath);
}

}  // namespace common
