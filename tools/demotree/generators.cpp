// The generated parts of the demo tree, one generator per area.
#include "demotree/demotree.h"

namespace demotree {

void registerBuiltInGenerators() {}

}  // namespace demotree
