#pragma once
// Documents open in LibreOffice: while it edits a document it holds no file
// open, it leaves a lock file ".~lock.<name>#" beside the document instead.
#include <QString>

namespace plat {

// The name of the lock file LibreOffice leaves beside a document of this
// file name.
QString officeLockName(const QString& fileName);

// Whether a document at this host path is locked by LibreOffice: for a
// file, its lock file lies beside it; for a folder, some lock file lies
// anywhere under it. False when the path is absent.
bool officeLockHeld(const QString& hostPath);

}  // namespace plat
