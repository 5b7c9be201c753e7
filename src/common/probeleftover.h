#pragma once
// A folder left under its probe name by an interrupted run (crash, power
// cut) would make every later in-use probe of it fail, or hide the folder
// for good. Such a leftover is put back under its own name when that name is
// free, or named to the student.
#include <QString>

class QWidget;

namespace common {

// True when there is no leftover or it was put back; false when a message
// named it (both names exist, or the rename back failed).
bool uRecoverProbeLeftover(const QString& path, const QString& probeName, QWidget* owner);

}  // namespace common
