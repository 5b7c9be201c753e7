#pragma once
// Faults injected for real: the kernel refuses what the test wants refused.
#include <sys/resource.h>

namespace testing_support {

// A volume that takes no more than `bytes` bytes of any one file, for the
// life of this object: the kernel refuses the rest of each write (EFBIG)
// exactly as a full disk refuses it (ENOSPC). Pipes and terminals are not
// limited, so the test's own output still flows.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

// Runs `step` with files limited to `bytes`, as on a full disk; false (and
// `step` not run) when the limit cannot be set.
template <class Step>
[[nodiscard]] bool withFileSizeLimit(rlim_t bytes, Step&& step)
{
    FileSizeLimit full(bytes);
    if (!full.ok()) return false;
    step();
    return true;
}

}  // namespace testing_support
