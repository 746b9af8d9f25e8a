#pragma once

#include <string_view>

namespace gw::exports {

// The fixed parts of the web puzzle page (WebPuzzle.h): its style sheet, its buttons and
// message line, the text box that takes the solver's typing, and its script.  The script finds
// the puzzle in the page's markup: the squares (class "sq", data-i their index row after row),
// the clues (data-dir, data-c, data-r, data-len) and the puzzle's data-width, data-height,
// data-key, data-seed and data-answers.
extern const std::string_view WebPuzzleStyle;
extern const std::string_view WebPuzzleTools;
extern const std::string_view WebPuzzleTyping;
extern const std::string_view WebPuzzleScript;

} // namespace gw::exports
