#include "model/CollectionLine.h"

#include "platform/Text.h"

#include <algorithm>

namespace gw::model {

void sortAlphabetically(std::vector<CollectionLine> &lines)
{
    std::ranges::stable_sort(lines, alphabeticallyBefore, &CollectionLine::text);
}

} // namespace gw::model
