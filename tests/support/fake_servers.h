#pragma once
// Practice servers that are never really started: the start hook notes every
// program started and its window style; a web or FTP server started counts as
// running until its kill tool is started.
#include "common/processes.h"
#include "platform/process.h"

#include <QFileInfo>
#include <QList>
#include <QStringList>

namespace testing_support {

struct FakeServers {
    QStringList starts;
    QList<plat::WindowStyle> styles;
    QStringList running;

    void install()
    {
        plat::setStartHookForTests([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            const QString name = QFileInfo(host).fileName();
            starts << name;
            styles << style;
            if (name == QStringLiteral("FTPServer.exe") || name == QStringLiteral("MyWebServer.exe")) running << name;
            if (name == QStringLiteral("kill_app.exe")) running.removeAll(QStringLiteral("MyWebServer.exe"));
            if (name == QStringLiteral("f-kill_app.exe")) running.removeAll(QStringLiteral("FTPServer.exe"));
            return qint64(999999);
        });
        common::setProcessListForTests([this] { return running; });
    }
};

}  // namespace testing_support
