#pragma once
// The running processes of this machine and the files they hold open.
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

namespace plat {

struct RunningProcess {
    qint64 pid = 0;
    QString name;     // file name of the program it runs ("FTPServer.exe")
    QString exePath;  // full host path of that program ("" when not readable)
};

// Visits every running process whose name can be read until visit returns
// false. Returns false when the process list cannot be read at all.
bool forEachProcess(const std::function<bool(const RunningProcess&)>& visit);

// The same for the program's file name alone, as the system gives it
// (bytes, not decoded): for a question over all processes that needs no
// more, without making text of every path on the way.
bool forEachProcessName(const std::function<bool(std::string_view name)>& visit);

// All of them, in the order of the system's list.
QList<RunningProcess> runningProcesses();

// Whether some process holds a file open at this host path or below it
// (a folder counts as held when any file inside it is open).
bool hostPathHeldOpen(const QString& hostPath);

// For a series of such questions that belong together (a guard list): while
// one of these lives, hostPathHeldOpen on this thread reads every process's
// open files once, at the first question that needs them, and answers the
// rest from that reading instead of reading them again each time. A file
// the kernel can answer for by itself is still asked about at once. Nested
// scopes share the outermost one's reading. Once the thread's event loop
// waits (a message box shown meanwhile), the reading is dropped: the next
// question reads again, so no answer is older than the series itself.
class OpenFilesReading {
public:
    OpenFilesReading();
    ~OpenFilesReading();
    OpenFilesReading(const OpenFilesReading&) = delete;
    OpenFilesReading& operator=(const OpenFilesReading&) = delete;

    struct Data;

private:
    std::unique_ptr<Data> data_;  // null in a nested scope
};

}  // namespace plat
