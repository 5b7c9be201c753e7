#pragma once
// Documents open in LibreOffice: while it edits a document it holds no file
// open, it leaves a lock file ".~lock.<name>#" beside the document instead.
//
// A lock file outlives an office program that crashed or was killed. It
// counts only while its owner can still hold it: an office program of the
// user the lock names runs on this machine (with the profile the lock names,
// where the program was started with a profile of its own). A lock written
// on another machine always counts: its owner cannot be checked from here.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace plat {

// The name of the lock file LibreOffice leaves beside a document of this
// file name.
QString officeLockName(const QString& fileName);

// What a lock file says about its owner: LibreOffice writes
// "<name>,<user>,<host>,<time>,<profile URL>;". nullopt when the file
// cannot be read or does not have these fields.
struct OfficeLockOwner {
    QString user;
    QString host;
    QString profileUrl;
};
std::optional<OfficeLockOwner> readOfficeLock(const QString& lockHostPath);

// Whether the lock file at this host path can still be held by its owner
// (see above). A lock whose owner cannot be read counts while any office
// program runs.
bool officeLockLive(const QString& lockHostPath);

// Whether a document at this host path is locked by LibreOffice: for a
// file, a live lock file lies beside it; for a folder, a live lock file
// lies anywhere under it. False when the path is absent.
bool officeLockHeld(const QString& hostPath);

// The lock files that no longer count (host paths): beside the file, or
// anywhere under the folder.
QStringList staleOfficeLocks(const QString& hostPath);
// Removes them, and tells in the same look (one walk of a folder) whether a
// lock that counts is left, as officeLockHeld would after the removal.
struct OfficeLockSweep {
    QStringList kept;   // stale locks that could not be removed (they do not count either way)
    bool held = false;  // a lock that counts lies there
};
OfficeLockSweep removeStaleOfficeLocks(const QString& hostPath);

// An office program as the lock check sees it.
struct OfficeProcess {
    uint uid = 0;
    QString profileUrl;  // its own profile ("-env:UserInstallation="); empty: the user's default
};
// The office programs running now.
QList<OfficeProcess> runningOfficeProcesses();
// Tests: replace the list of running office programs (nullopt: the real one).
void setOfficeProcessesForTests(std::optional<QList<OfficeProcess>> processes);

}  // namespace plat
