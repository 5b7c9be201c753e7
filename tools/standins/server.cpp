// Stand-in for a practice server: it does nothing but run
// until it is stopped (SIGTERM, SIGINT or SIGHUP), and never uses the CPU
// meanwhile. Its process name is its file name, which is all the platform
// looks at.
#include <csignal>
#include <initializer_list>
#include <unistd.h>

namespace {
void stop(int) { _exit(0); }
}  // namespace

int main()
{
    struct sigaction sa {};
    sa.sa_handler = stop;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
    for (;;) pause();
}
