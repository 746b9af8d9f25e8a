#pragma once

#include "render/PageResults.h"
#include "report/PageCanvas.h"

#include <string_view>

namespace gw::render {

// Breaks a free text into lines no wider than width, at blanks and at line breaks (CR LF; a
// lone LF or CR counts too), recording each line as a run of the text.  Fails when a word
// alone is wider than the width (the lines before it stay), when more than 100 lines are made
// (the first 100 stay) or when there are more lines than maxLines; at most maxLines are kept.
bool wrapText(
    const report::PageCanvas &canvas, std::string_view text, double width, int maxLines, TextLines &lines);

// The printed form of a line's run: its leading line break removed when it has one, then
// blanks trimmed at both ends.
std::string_view lineText(std::string_view run, bool lineBreak);

} // namespace gw::render
