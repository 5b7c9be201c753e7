#pragma once
// One running copy of the platform per materials tree: the copies that share
// a tree would delete each other's working folders.
#include <QString>

namespace plat {

// Takes the lock file at a platform path for the life of this object. The
// lock is the system's (flock): it goes with the process, so a copy that
// crashed never leaves the tree locked.
class InstanceLock {
public:
    enum class State {
        Held,            // this copy runs alone on the tree
        HeldElsewhere,   // another running copy holds it
        Unavailable,     // the lock file cannot be made (read-only tree)
    };
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

}  // namespace plat
