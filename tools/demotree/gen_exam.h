#pragma once
// The final exam of the demo tree: a paper bank of three papers (ten choice
// questions, five operation questions with their documents, material,
// sample pictures and question texts; network questions for FTP and web),
// the examinee archive template, the "KS" working-tree template and the
// empty archive and hand-in folders.
#include <QString>

namespace demotree {

bool generateExam(const QString& materialsFolder, QString* error);

}  // namespace demotree
