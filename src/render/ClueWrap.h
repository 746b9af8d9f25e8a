#pragma once

#include "report/PageCanvas.h"

#include <string_view>
#include <vector>

namespace gw::render {

// A printed line of a clue: a run of its characters, blanks at both ends left out.
struct ClueLine
{
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
};

// Breaks the clue into lines narrower than the width, each holding as many whole words as fit;
// a word wider than the width alone is broken inside, a character at least to a line, so that
// every character of the clue but its blanks is on a line.  An empty or blank clue has none.
std::vector<ClueLine> wrapClue(const report::PageCanvas &canvas, std::string_view clue, double width);

} // namespace gw::render
