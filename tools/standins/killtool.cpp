// Stand-in for a kill tool: stops every running process of one server
// (STANDIN_TARGET, its file name) and ends once they are gone.
//
// When the tool lies inside a materials tree ".../素材/...", it stops only
// servers started from that same tree, so that two copies of the platform
// (or two test runs) on one machine leave each other's servers alone.
#include "platform/procscan.h"

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::string_view kTarget = STANDIN_TARGET;

std::string ownTree()
{
    char self[4096];
    const ssize_t n = plat::procscan::detail::readLink("/proc/self/exe", self, sizeof self);
    if (n <= 0) return {};
    const std::string path(self, static_cast<size_t>(n));
    const std::string marker = "/素材/";
    const auto at = path.rfind(marker);
    return at == std::string::npos ? std::string() : path.substr(0, at + marker.size());
}

std::vector<long> targets(const std::string& tree)
{
    std::vector<long> pids;
    plat::procscan::forEachProcess([&](const plat::procscan::Process& p) {
        if (p.name == kTarget && p.pid != ::getpid() && (tree.empty() || p.exe.substr(0, tree.size()) == tree))
            pids.push_back(p.pid);
        return true;
    });
    return pids;
}

}  // namespace

int main()
{
    const std::string tree = ownTree();
    std::vector<long> pids = targets(tree);
    for (long pid : pids) ::kill(static_cast<pid_t>(pid), SIGTERM);
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(5);
    while (!pids.empty() && steady_clock::now() < deadline) {
        std::this_thread::sleep_for(milliseconds(20));
        pids = targets(tree);
    }
    for (long pid : pids) ::kill(static_cast<pid_t>(pid), SIGKILL);
    return 0;
}
