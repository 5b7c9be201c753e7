#pragma once
// The running processes of this machine, read from /proc.
//
// Plain C++ with no Qt, so that the small stand-in programs (the kill tools)
// share it with the platform. Everything else goes through proclist.h.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace plat::procscan {

struct Process {
    long pid = 0;
    std::string_view exe;   // full path of the file it runs ("" when unreadable)
    std::string_view name;  // file name of that file, else the command line's (commandName)
};

namespace detail {

inline long pidOf(const char* s)
{
    if (*s < '1' || *s > '9') return 0;
    char* end = nullptr;
    const long v = std::strtol(s, &end, 10);
    return *end == '\0' ? v : 0;
}

inline std::string_view baseName(std::string_view p)
{
    const auto slash = p.rfind('/');
    return slash == std::string_view::npos ? p : p.substr(slash + 1);
}

// The program named by a command line's first argument: an absolute path is
// the program file itself (blanks and all); anything else may be a title the
// program gave itself ("sshd: user", "mail -s x"), of which the first word
// counts. Either way its base name.
inline std::string_view commandName(std::string_view argv0)
{
    if (argv0.empty() || argv0.front() != '/') argv0 = argv0.substr(0, argv0.find_first_of(" \t"));
    return baseName(argv0);
}

// readlink into buf (relative paths from dir); the length, or -1.
inline ssize_t readLink(const char* path, char* buf, size_t size, int dir = AT_FDCWD)
{
    const ssize_t n = ::readlinkat(dir, path, buf, size - 1);
    if (n <= 0 || static_cast<size_t>(n) >= size - 1) return -1;
    buf[n] = '\0';
    return n;
}

// The whole of a small /proc file ("" when it cannot be read).
inline std::string readProcFile(const char* path)
{
    std::string out;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return out;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
}

// The kernel threads, sorted: kthreadd (pid 2, whose parent is 0 when this
// program sees the whole machine rather than a container of its own) and
// its children. Most processes of a desktop are kernel threads; they run no
// program and have no command line, so they are passed over without a
// look-up each. The kernel also starts a few short-lived helpers (module
// loaders and the like) as children of kthreadd; none is a program anyone
// asks about here. Empty when the list cannot be read: every process is
// then looked at.
inline std::vector<long> kernelThreads()
{
    std::vector<long> out;
    const std::string stat = readProcFile("/proc/2/stat");
    // "2 (kthreadd) S 0 ...": the state, then the parent.
    constexpr std::string_view head = "2 (kthreadd) ";
    if (stat.size() < head.size() + 4 || stat.compare(0, head.size(), head) != 0 ||
        stat.compare(head.size() + 1, 3, " 0 ") != 0)
        return out;
    const std::string children = readProcFile("/proc/2/task/2/children");
    out.push_back(2);
    for (const char* p = children.c_str(); *p;) {
        char* end = nullptr;
        const long pid = std::strtol(p, &end, 10);
        if (end == p) break;
        if (pid > 0) out.push_back(pid);
        p = end;
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Calls visit(pid, procFd) for every process folder of /proc (procFd: /proc
// opened as a folder) except those of kernel threads, in /proc order, until
// visit returns false. Returns false when /proc cannot be read.
template <class Visit>
bool forEachPid(Visit&& visit)
{
    DIR* proc = ::opendir("/proc");
    if (!proc) return false;
    const std::vector<long> kernel = kernelThreads();
    const int procFd = ::dirfd(proc);
    while (const dirent* e = ::readdir(proc)) {
        const long pid = pidOf(e->d_name);
        if (pid <= 0 || std::binary_search(kernel.begin(), kernel.end(), pid)) continue;
        if (!visit(pid, procFd)) break;
    }
    ::closedir(proc);
    return true;
}

}  // namespace detail

// Calls visit(const Process&) for every process whose name can be read, in
// /proc order, until visit returns false. A process without a readable name
// (a kernel thread, a zombie, another user's process with an empty command
// line) is passed over. Returns false when /proc cannot be read.
template <class Visit>
bool forEachProcess(Visit&& visit)
{
    char path[64];
    char exe[4096];
    char cmd[4096];
    return detail::forEachPid([&](long pid, int procFd) {
        Process p;
        p.pid = pid;
        std::snprintf(path, sizeof path, "%ld/exe", pid);
        errno = 0;
        const ssize_t n = detail::readLink(path, exe, sizeof exe, procFd);
        if (n > 0) {
            std::string_view v(exe, static_cast<size_t>(n));
            constexpr std::string_view deleted = " (deleted)";
            if (v.size() > deleted.size() && v.substr(v.size() - deleted.size()) == deleted)
                v.remove_suffix(deleted.size());
            p.exe = v;
            p.name = detail::baseName(v);
        } else if (errno == ENOENT) {
            // No program at all: a process that has ended (a zombie), or a
            // kernel thread the list missed. Neither has a command line.
            return true;
        } else {
            // Not ours to read: argv[0] from the command line.
            std::snprintf(path, sizeof path, "%ld/cmdline", pid);
            const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
            if (fd < 0) return true;
            const ssize_t got = ::read(fd, cmd, sizeof cmd - 1);
            ::close(fd);
            if (got <= 0) return true;
            cmd[got] = '\0';
            p.name = detail::commandName(std::string_view(cmd, std::strlen(cmd)));
        }
        if (p.name.empty()) return true;
        return static_cast<bool>(visit(static_cast<const Process&>(p)));
    });
}

// Whether `target` (a path an open descriptor leads to) is hostPath itself
// or lies below it. hostPath has no trailing slash (except "/" itself).
inline bool isAtOrBelow(std::string_view target, std::string_view hostPath)
{
    if (hostPath.empty() || target.substr(0, hostPath.size()) != hostPath) return false;
    return target.size() == hostPath.size() || target[hostPath.size()] == '/' || hostPath == "/";
}

// Calls visit(std::string_view) with the path every open descriptor of every
// readable process leads to (descriptors of pipes, sockets and the like,
// which lead to no path, are passed over), until visit returns false.
// Returns false when /proc cannot be read.
template <class Visit>
bool forEachOpenFile(Visit&& visit)
{
    char path[64];
    char target[4096];
    bool more = true;
    return detail::forEachPid([&](long pid, int procFd) {
        std::snprintf(path, sizeof path, "%ld/fd", pid);
        const int fdDir = ::openat(procFd, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fdDir < 0) return true;
        DIR* fds = ::fdopendir(fdDir);
        if (!fds) {
            ::close(fdDir);
            return true;
        }
        while (more) {
            const dirent* f = ::readdir(fds);
            if (!f) break;
            if (f->d_name[0] == '.') continue;
            errno = 0;
            const ssize_t n = detail::readLink(f->d_name, target, sizeof target, fdDir);
            // Whether another process's descriptors may be read is decided
            // for the process as a whole: one refusal holds for all of them.
            if (n < 0 && errno == EACCES) break;
            if (n <= 0 || target[0] != '/') continue;
            more = visit(std::string_view(target, static_cast<size_t>(n)));
        }
        ::closedir(fds);
        return more;
    });
}

// Whether some process holds a file open at hostPath or anywhere below it.
// hostPath must be absolute and canonical (the links in /proc/*/fd are).
inline bool heldOpenUnder(std::string_view hostPath)
{
    while (hostPath.size() > 1 && hostPath.back() == '/') hostPath.remove_suffix(1);
    if (hostPath.empty()) return false;
    bool held = false;
    forEachOpenFile([&](std::string_view target) {
        held = isAtOrBelow(target, hostPath);
        return !held;
    });
    return held;
}

}  // namespace plat::procscan
