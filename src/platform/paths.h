#pragma once
// Where things live on this system.
//
// The windows write their paths the way the platform always has: the program
// folder followed by "\素材\...", and working folders as "D:\...". Everything
// below converts such a path to a host path in exactly one place, toHost().
#include <QString>

namespace plat {

// The folder of the executable (no trailing separator). Tests set their own.
QString programFolder();
void setProgramFolder(const QString& hostFolder);

// App.Path & rel: the program folder followed by a relative path such as
// "\素材\bk\studentnumber.txt". The result is still in backslash form.
QString appPath(const QString& rel);

// The host folder that stands for drive D:. Taken from CORVANTH_DRIVE_D when
// set, otherwise the folder "D" beside the program. Tests set their own.
QString driveD();
void setDriveD(const QString& hostFolder);  // empty: back to the default rule

// The one mapping from a platform path to a host path: "D:\x\y" lies under
// driveD(); any other path has its backslashes turned into slashes.
QString toHost(const QString& path);

// A platform path the way the desktop shows it to the student (the real host
// folder, with native separators), for texts that name a working folder.
QString displayPath(const QString& path);

// A text for the student with every path on drive D: in it ("D:\\实训素材",
// "D:\\KS\\KSWIN\\资料") shown as displayPath() shows it. A path ends at
// white space, a quotation mark or a Chinese punctuation mark.
QString displayPathsIn(const QString& text);

// The last component of a platform path ("D:\实训素材" gives "实训素材").
QString baseName(const QString& path);

}  // namespace plat
