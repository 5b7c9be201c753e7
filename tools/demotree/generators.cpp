// The generated parts of the demo tree, one generator per area.
#include "demotree/demotree.h"
#include "demotree/gen_office.h"
#include "demotree/gen_pictures.h"
#include "demotree/gen_standins.h"

namespace demotree {

void registerBuiltInGenerators()
{
    addGenerator(QStringLiteral("standins"), generateStandIns);
    addGenerator(QStringLiteral("exercise documents"), office::generateExerciseDocuments);
    addGenerator(QStringLiteral("exercise pictures"), pictures::generateExercisePictures);
}

}  // namespace demotree
