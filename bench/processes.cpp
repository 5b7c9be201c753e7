// Times the process presence test (uIsProcessRunning) for a name no process
// has, so that every process is read, with about N processes running (default
// 500), next to a plain C scan of /proc that applies the same name rule:
// the program file's name from the exe link, or where that link cannot be
// read (another user's process) the first word of the command line; the
// folder and ".exe" left off, letter case aside. The two take turns at going
// first; each sample is 20 calls.
// As root it measures twice: as root (every exe link readable) and, in a
// child that has become the user "nobody", as an ordinary user, for whom the
// exe links of the other users' processes are unreadable and the command
// line is read instead.
// Aim: at most 1.3x the plain scan, both ways (median ratio).
//   corvanth-bench-processes [N [ROUNDS]]
#include "benchutil.h"

#include "common/processes.h"
#include "platform/proclist.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kCalls = 20;
const char* const kName = "NoSuchProgram_Corvanth.exe";

// The name rule in plain C: base name, ".exe" left off, letter case aside.
bool sameStem(const char* running, size_t n, const char* stem, size_t stemLength)
{
    const char* slash = static_cast<const char*>(memrchr(running, '/', n));
    if (slash) {
        n -= size_t(slash + 1 - running);
        running = slash + 1;
    }
    if (n >= 4 && strncasecmp(running + n - 4, ".exe", 4) == 0) n -= 4;
    return n == stemLength && strncasecmp(running, stem, n) == 0;
}

bool plainScan(const char* stem)
{
    const size_t stemLength = std::strlen(stem);
    DIR* proc = opendir("/proc");
    if (!proc) return false;
    const int fd = dirfd(proc);
    char path[300], buf[4096];
    bool found = false;
    while (const dirent* e = readdir(proc)) {
        if (e->d_name[0] < '1' || e->d_name[0] > '9') continue;
        std::snprintf(path, sizeof path, "%s/exe", e->d_name);
        ssize_t n = readlinkat(fd, path, buf, sizeof buf - 1);
        if (n < 0 && errno == ENOENT) continue;  // no program, no command line: a kernel thread or a zombie
        if (n > 10 && std::memcmp(buf + n - 10, " (deleted)", 10) == 0) n -= 10;
        if (n <= 0) {
            std::snprintf(path, sizeof path, "%s/cmdline", e->d_name);
            const int c = openat(fd, path, O_RDONLY | O_CLOEXEC);
            if (c < 0) continue;
            n = read(c, buf, sizeof buf - 1);
            close(c);
            if (n <= 0) continue;
            buf[n] = 0;
            n = ssize_t(std::strlen(buf));
            if (buf[0] != '/') n = ssize_t(std::strcspn(buf, " \t"));
        }
        if (n > 0 && sameStem(buf, size_t(n), stem, stemLength)) {
            found = true;
            break;
        }
    }
    closedir(proc);
    return found;
}

double timeCalls(bool ours)
{
    const QString name = QString::fromLatin1(kName);
    QElapsedTimer t;
    t.start();
    bool any = false;
    for (int i = 0; i < kCalls; ++i) any |= ours ? uIsProcessRunning(name) : plainScan("NoSuchProgram_Corvanth");
    if (any) std::printf("  (unexpected match)\n");
    return bench::ms(t) / kCalls;
}

bool measure(const char* who, int rounds)
{
    const int processes = int(plat::runningProcesses().size());
    timeCalls(true);
    timeCalls(false);
    const bench::Pairs pairs = bench::alternate(rounds, [] { return timeCalls(true); }, [] { return timeCalls(false); });
    return pairs.print(QStringLiteral("%1, %2 processes, one call").arg(QString::fromUtf8(who)).arg(processes), "plain C scan", 1.3);
}

}  // namespace

int main(int argc, char** argv)
{
    const int target = argc > 1 ? std::atoi(argv[1]) : 500;
    const int rounds = argc > 2 ? std::max(5, std::atoi(argv[2])) : 15;
    const int already = static_cast<int>(plat::runningProcesses().size());
    std::vector<pid_t> children;
    for (int i = already; i < target; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (;;) pause();
        }
        if (pid < 0) break;
        children.push_back(pid);
    }

    bool met = true;
    if (geteuid() != 0) {
        met = measure("as an ordinary user (other users' processes named by their command line)", rounds);
    } else {
        met = measure("as root (every exe link read)", rounds);
        std::fflush(stdout);
        const passwd* nobody = getpwnam("nobody");
        const pid_t pid = nobody ? fork() : -1;
        if (pid == 0) {
            if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(3);
            const bool ok = measure("as the user nobody (other users' processes named by their command line)", rounds);
            std::fflush(stdout);
            _exit(ok ? 0 : 1);
        }
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            std::printf("(could not measure as an ordinary user)\n");
            met = false;
        } else {
            met = met && WEXITSTATUS(status) == 0;
        }
    }
    bench::printAim("process presence at most 1.3x a plain C scan of /proc", met);

    for (pid_t c : children) kill(c, SIGKILL);
    for (pid_t c : children) waitpid(c, nullptr, 0);
    return 0;
}
