#pragma once

#include "export/CrosswordGrid.h"
#include "platform/Failure.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gw::exports {

// The puzzle as an ipuz file (version 2, a JSON crossword): squares outside the shape are
// omitted cells (null), blocks "#", numbered squares their number, the solution's letters,
// the across and down clues and the title, all in UTF-8.
std::string ipuzText(const CrosswordGrid &grid);

// The puzzle as a .puz file: a rectangle in which squares outside the shape are blocks too,
// the solution and an empty fill, title and clues in Windows-1252, and the header's
// checksums.  The format numbers the squares itself, so a puzzle whose words it would number
// otherwise is refused.
Result<std::vector<std::uint8_t>> puzBytes(const CrosswordGrid &grid);

inline Failure notPuzNumbering()
{
    return { "Error",
        "This puzzle cannot be saved as a .puz file: that format would number its words otherwise." };
}

// Writes the file whole or not at all.
Status writeIpuz(const CrosswordGrid &grid, const std::filesystem::path &file);
Status writePuz(const CrosswordGrid &grid, const std::filesystem::path &file);

} // namespace gw::exports
