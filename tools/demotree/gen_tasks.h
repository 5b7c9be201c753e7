#pragma once
// The task projects of the demo tree: task documents (real Office files) and
// sample pictures, beside the text sources under 任务项目 in tools/demodata.
#include <QString>

namespace demotree {

bool generateTaskProjects(const QString& materialsFolder, QString* error);

}  // namespace demotree
