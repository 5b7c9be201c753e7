#include "faults.h"

#include <csignal>

namespace testing_support {

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Without this the kernel ends the process at the first refused write.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit l = old_;
    l.rlim_cur = bytes;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &l) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

}  // namespace testing_support
