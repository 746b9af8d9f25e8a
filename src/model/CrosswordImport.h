#pragma once

#include "layout/LayoutRecord.h"
#include "model/ForeignCrossword.h"
#include "model/PuzzleRecord.h"
#include "platform/Failure.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace gw::model {

// Where imported crosswords are listed unless another category is asked for.
constexpr std::string_view ImportedCategory = "Imported Puzzles";

// The crossword as a generated puzzle that the candidate chooser saved: its grid (squares
// outside the shape 0, blocks blank, letters), the clues as the words starting in their
// numbered squares, put in clue order and numbered as the generator numbers them, stamped as
// saved, with the given page layout and category, and the title (the fallback when it has
// none).  Refused with the reason when the program could not print it as the file shows it:
// too large, more than 200 words, a clue without its word, numbers the program would give
// otherwise.
Result<std::unique_ptr<PuzzleRecord>> puzzleFromCrossword(const ForeignCrossword &crossword,
    std::string_view category, std::string_view fallbackTitle, const layout::LayoutRecord &pageLayout);

// Reads an .ipuz or .puz file (by its extension) into a new puzzle; the failure names the file
// and the reason.  Category and texts are Windows-1252.
Result<std::unique_ptr<PuzzleRecord>> readCrosswordFile(
    const std::filesystem::path &file, std::string_view category, const layout::LayoutRecord &pageLayout);

struct ImportedPuzzle
{
    int recordNumber = 0;
    std::string category;
    std::string title;
};

// Reads the file and appends its puzzle to the collection, creating the collection when
// missing; a refused file writes nothing.
Result<ImportedPuzzle> importCrosswordFile(const std::filesystem::path &file,
    const std::filesystem::path &collection, std::string_view category,
    const layout::LayoutRecord &pageLayout);

Failure crosswordNotImported(const std::filesystem::path &file, const std::string &reason);

} // namespace gw::model
