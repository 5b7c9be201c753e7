#pragma once
// Practice servers that are never really started: the start hook notes every
// program started and its window style; a server started counts as running
// until its kill tool is started.
#include "common/processes.h"
#include "platform/process.h"

#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <utility>

namespace testing_support {

struct FakeServers {
    // Each server with the kill tool that stops it.
    using Tools = QList<std::pair<QString, QString>>;
    static Tools webAndFtp()
    {
        return {{QStringLiteral("FTPServer.exe"), QStringLiteral("f-kill_app.exe")},
                {QStringLiteral("MyWebServer.exe"), QStringLiteral("kill_app.exe")}};
    }
    static Tools practiceTools()
    {
        return webAndFtp() << std::pair{QStringLiteral("CMailServer.exe"), QStringLiteral("mail-kill_app.exe")};
    }

    // What a start makes run: the servers of the table, every program that
    // is not a kill tool, or nothing (the test says what runs).
    enum class Runs { Servers, EveryProgram, Nothing };

    Tools tools = webAndFtp();
    Runs runs = Runs::Servers;
    // Sees each start before it takes effect (to look at the disk as a kill
    // tool starts, say).
    std::function<void(const QString& name, plat::WindowStyle)> onStart;
    // What the start of a kill tool returns; unset: it has ended at once.
    std::function<qint64()> killTool;

    QStringList starts;
    QList<plat::WindowStyle> styles;
    QStringList running;

    void install()
    {
        plat::setStartHookForTests([this](const QString& host, const QStringList&, plat::WindowStyle style) {
            const QString name = QFileInfo(host).fileName();
            starts << name;
            styles << style;
            if (onStart) onStart(name, style);
            for (const auto& [server, kill] : tools) {
                if (name != kill) continue;
                running.removeAll(server);
                return killTool ? killTool() : qint64(999999);
            }
            const bool isServer =
                std::any_of(tools.begin(), tools.end(), [&](const auto& t) { return t.first == name; });
            if ((runs == Runs::EveryProgram || (runs == Runs::Servers && isServer)) && !running.contains(name))
                running << name;
            return qint64(999999);
        });
        common::setProcessListForTests([this] { return running; });
    }
};

// What a window fixture with fake servers keeps, as a second base class: the
// servers, names for what they note, the desktop's hand-overs and the
// machine's IPv4 addresses (one by default). A base class is destroyed after
// the fixture's own members, so its hooks go first.
struct FakeServerState {
    FakeServers servers_;
    QStringList& starts = servers_.starts;
    QList<plat::WindowStyle>& styles = servers_.styles;
    QStringList& running = servers_.running;
    QStringList desktop;
    QStringList addresses{QStringLiteral("10.1.2.3")};
};

}  // namespace testing_support
