#pragma once
// The advanced (extended training) exercises of the demo tree: for word,
// excel and ppt 01 to 06, the question text, the pristine question document
// (a real Office file), the material folder and the reference-effect
// pictures under "bk\高级应用".
#include <QString>

namespace demotree {

bool generateAdvancedExercises(const QString& materialsFolder, QString* error);

}  // namespace demotree
