#pragma once

#include "generate/ManualEdits.h"
#include "model/PuzzleRecord.h"

#include <memory>
#include <string>
#include <vector>

namespace gw::test {

// A generated puzzle drawn from rows: '#' outside the shape, '.' an empty square, anything else
// a letter.  Its words are the runs of the drawing, found and ordered as hand editing does,
// each with the clue "clue of WORD", stored in upper case.
inline std::unique_ptr<model::PuzzleRecord> drawnPuzzle(const std::vector<std::string> &rows)
{
    auto record = std::make_unique<model::PuzzleRecord>();
    record->generated = 1;
    record->height = static_cast<std::int16_t>(rows.size());
    record->width = static_cast<std::int16_t>(rows.front().size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char square = rows[r][c];
            record->grid[r * 50 + c] = square == '#' ? model::OutsideCell
                : square == '.'                      ? model::BlankCell
                                                     : static_cast<std::uint8_t>(square);
        }
    generate::addNewWords(*record, [](std::string_view letters) {
        return generate::ClueAnswer { "clue of " + std::string(letters), 1 };
    });
    return record;
}

} // namespace gw::test
