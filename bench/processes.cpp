// Times the process presence test for a name no process has (every process
// is read), with about 500 processes running. Goal: under 5 ms a call.
#include "common/processes.h"
#include "platform/proclist.h"

#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    const int target = argc > 1 ? std::atoi(argv[1]) : 500;
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
    const int processes = static_cast<int>(plat::runningProcesses().size());

    const QString name = QStringLiteral("NoSuchProgram_Corvanth.exe");
    std::vector<double> ms;
    bool any = false;
    for (int round = 0; round < 50; ++round) {
        QElapsedTimer t;
        t.start();
        any |= uIsProcessRunning(name);
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms) sum += m;
    std::printf("uIsProcessRunning (no match): %d processes, median %.3f ms, mean %.3f ms, max %.3f ms%s\n",
                processes, ms[ms.size() / 2], sum / static_cast<double>(ms.size()), ms.back(),
                any ? " (unexpected match)" : "");

    for (pid_t c : children) kill(c, SIGKILL);
    for (pid_t c : children) waitpid(c, nullptr, 0);
    return 0;
}
