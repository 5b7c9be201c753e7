#pragma once
// Lays out a runnable "素材" materials tree (the demo tree) beside a program.
//
// The sources are kept readable in the repository (tools/demodata, UTF-8 text
// with LF line ends); text files are written out in code page 936 with CR LF,
// other files are copied as they are, and generated files (documents,
// pictures) are made by code. Files named ".keep" only make their folder
// exist and are not copied.
//
// Nothing in the tree depends on the folder it is laid out in: the tests lay
// it out once and copy it for each test.
#include <QString>

namespace demotree {

// Builds the tree under programFolder ("<programFolder>/素材"). Existing files
// are overwritten. Returns false (with a reason) when something could not be
// written.
bool build(const QString& programFolder, QString* error = nullptr);

// The folder the demo sources come from.
QString sourceFolder();

// Whether a file is a text file to be converted (by extension).
bool isTextFile(const QString& fileName);

}  // namespace demotree
