#include "mocktest/paper/mockstate.h"

namespace mocktest {

bool MockState::listed(const QString& list, const QString& number) const
{
    // Whole-text match without regard to case, as the list search does.
    for (const QString& entry : combos.value(list))
        if (entry.compare(number, Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace mocktest
