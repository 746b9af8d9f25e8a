#pragma once

#include "model/PuzzleRecord.h"

#include <string>

namespace gw::model {

// A puzzle as plain text (Windows-1252, as stored): title and category, the grid with '#' for
// black squares and blanks outside the shape, then the numbered across and down clues.  A
// puzzle that was never generated lists its words and clues instead of a grid.
std::string puzzleAsText(const PuzzleRecord &record);

} // namespace gw::model
