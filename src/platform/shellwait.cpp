#include "platform/shellwait.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace plat {
namespace {

std::function<QStringList()>& addressLister()
{
    static std::function<QStringList()> l;
    return l;
}

constexpr int kPollMs = 25;

}  // namespace

void setIPv4AddressesForTests(std::function<QStringList()> lister) { addressLister() = std::move(lister); }

QStringList localIPv4Addresses()
{
    if (addressLister()) return addressLister()();
    QStringList out;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return out;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
        if (a->ifa_flags & IFF_LOOPBACK) continue;
        char buf[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (::inet_ntop(AF_INET, &in->sin_addr, buf, sizeof buf)) out << QString::fromLatin1(buf);
    }
    ::freeifaddrs(list);
    return out;
}

QString ipconfigReport(const QStringList& addresses)
{
    const QString nl = QStringLiteral("\r\n");
    QString r = nl + QStringLiteral("Windows IP 配置") + nl + nl;
    int n = 0;
    for (const QString& a : addresses) {
        r += QStringLiteral("以太网适配器 本地连接 %1:").arg(++n) + nl + nl;
        r += QStringLiteral("   IPv4 地址 . . . . . . . . . . . . : ") + a + nl + nl;
    }
    return r;
}

bool writeIpconfigReport(const QString& target, bool append)
{
    const auto bytes = encode936(ipconfigReport(localIPv4Addresses()));
    if (!bytes) return false;
    QFile f(toHost(target));
    if (!f.open(append ? QIODevice::WriteOnly | QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(*bytes) == bytes->size();
}

Started startCommandLine(const QString& commandLine, WindowStyle style)
{
    static const QRegularExpression ipconfig(
        QStringLiteral("^\\s*cmd(?:\\.exe)?\\s+/c\\s+ipconfig\\s*(>>?)\\s*(\\S.*?)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = ipconfig.match(commandLine); m.hasMatch())
        return {writeIpconfigReport(m.captured(2), m.captured(1) == QStringLiteral(">>")), 0};

    const QString line = commandLine.trimmed();
    if (line.isEmpty()) return {};
    QString program = line;
    QStringList args;
    if (!QFileInfo(toHost(line)).isFile()) {
        args = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        program = args.takeFirst();
    }
    const qint64 pid = startProgram(program, args, style);
    return {pid > 0, pid};
}

bool waitForProcess(qint64 pid, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    // Poll on a timer inside a local event loop: the windows keep working and
    // the thread sleeps between polls.
    QEventLoop loop;
    QTimer timer;
    // Every wait polls once and lets pending events run once, even for a
    // program that has already ended.
    bool ended = !processRunning(pid);
    QCoreApplication::processEvents();
    if (ended) return true;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (!processRunning(pid)) {
            ended = true;
            loop.quit();
        } else if (timeoutMs >= 0 && clock.elapsed() >= timeoutMs) {
            loop.quit();
        }
    });
    timer.start(kPollMs);
    loop.exec();
    return ended;
}

}  // namespace plat
