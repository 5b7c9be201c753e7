#pragma once
// The mock-test banks of the demo tree: the question documents (real Office
// files), style pictures and the pictures among the material, beside the
// text sources under 模拟测试 in tools/demodata.
#include <QString>

namespace demotree {

bool generateMockBanks(const QString& materialsFolder, QString* error);

}  // namespace demotree
