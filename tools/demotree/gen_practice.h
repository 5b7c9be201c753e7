#pragma once
// The random operation practice questions of the demo tree: further
// questions in the operation banks beside the knowledge-point exercises, so
// that every kind has several to draw from. Each has its question document
// (a real Office file, or the ".win" text), its question text, its material
// and its sample pictures.
#include <QString>

namespace demotree {

bool generatePracticeQuestions(const QString& materialsFolder, QString* error);

}  // namespace demotree
