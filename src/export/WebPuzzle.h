#pragma once

#include "export/CrosswordGrid.h"
#include "platform/Failure.h"

#include <filesystem>
#include <string>

namespace gw::exports {

// The puzzle as one web page to solve in a browser, needing nothing beside it: styles and
// script inside, nothing fetched.  It shows the title, the grid in its shape (squares outside
// it not drawn), the clue numbers and the Across and Down clues; all texts in UTF-8 and
// HTML-escaped, since titles and clues are typed by anyone.  The answers are in it only
// scrambled, so that reading the page's source does not give them away.
std::string webPuzzlePage(const CrosswordGrid &grid);

// Writes the file whole or not at all.
Status writeWebPuzzle(const CrosswordGrid &grid, const std::filesystem::path &file);

} // namespace gw::exports
