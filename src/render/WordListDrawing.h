#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

#include <string>
#include <vector>

namespace gw::render {

// The numbered words in upper case, cut to 30 characters, in ascending byte order.
std::vector<std::string> sortedWordList(const model::PuzzleRecord &puzzle, int numbered);

// Prints the sorted word list in the columns of the object in slot objectIndex (from 0).  A
// word too wide for its column is left blank; that and words that do not fit raise the words
// overflow flag.
void DoWords(PageContext &page, report::PageCanvas &canvas, int objectIndex);

} // namespace gw::render
