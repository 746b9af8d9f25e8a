#pragma once

#include <span>

namespace gw::generate {

// One placed word on its way to its entry in the clue lists: the caller's own index of it,
// its start cell and its direction; orderForClues fills in the clue number.
struct ClueOrderItem
{
    int source;
    int startCell;
    bool across;
    int clueNumber;
};

// The order of a finished puzzle's entries, the same after generation and after hand editing:
// by start cell, numbered in that order (a word across and one down from the same square share
// the number, numbers run in reading order of start cells), then the across words before the
// down words, each group by clue number.  Returns the number of across words.
int orderForClues(std::span<ClueOrderItem> items);

} // namespace gw::generate
