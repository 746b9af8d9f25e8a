#pragma once

#include <string>
#include <vector>

namespace gw::model {

// One line of the category or puzzle list on screen: the text shown and the number it is
// tagged with, the category index in the category list and the record number in the puzzle list.
struct CollectionLine
{
    std::string text;
    int tag = 0;

    bool operator==(const CollectionLine &) const = default;
};

// The order both lists are shown in: Windows-1252 bytes without regard to case by the
// upper-case rule; lines equal but for case keep the order given, which is file order, so the
// first of several equal titles is the oldest puzzle.
void sortAlphabetically(std::vector<CollectionLine> &lines);

} // namespace gw::model
