#pragma once

#include "layout/LayoutRecord.h"
#include "model/CollectionLine.h"
#include "model/PuzzleRecord.h"
#include "platform/Failure.h"

#include <filesystem>
#include <span>
#include <vector>

namespace gw::model {

// Puzzles move between collections as whole records, byte for byte: nothing is converted,
// checked or renumbered on the way.

// What File, Import Puzzles does with a chosen file, by the extension of its name without
// regard to case: a collection, a 16-bit puzzle, or a crossword of another program (.ipuz,
// .puz).
enum class ImportKind { Collection, SixteenBit, Ipuz, Puz, Unknown };
ImportKind importKind(const std::filesystem::path &chosen);

// True when both paths name one file: the same file on disk, or the same path once made
// absolute and normal when a file does not exist yet.
bool sameFile(const std::filesystem::path &a, const std::filesystem::path &b);

// The titles of every record of a collection, each tagged with its record number, sorted
// alphabetically; nothing when the file cannot be read.
std::vector<CollectionLine> puzzleTitleLines(const std::filesystem::path &collection);

// Appends the given records of `from`, in the order given, to the open collection, creating it
// when missing.  All or nothing: a failure leaves the collection as it was.  Refuses `from`
// when it is the open collection itself.
Status importPuzzles(const std::filesystem::path &from, std::span<const int> recordNumbers,
    const std::filesystem::path &collection);

// Writes the given records of the open collection, in the order given, into a new collection
// file, replacing any file of that name only once every record is written.  Refuses the open
// collection's own file, which the export would otherwise empty.
Status exportPuzzles(const std::filesystem::path &collection, std::span<const int> recordNumbers,
    const std::filesystem::path &to);

// Reads a 16-bit single-puzzle file, converts it into `working` (see convertOldPuzzle) and
// appends it to the collection; gives its record number.
Result<int> importSixteenBitPuzzle(const std::filesystem::path &zpk, const std::filesystem::path &collection,
    const layout::LayoutRecord &pageLayout, PuzzleRecord &working);

inline Failure notAnImportFile()
{
    return { "Error", "The file selected is not a valid Gridwright file." };
}

inline Failure importIsOpenCollection()
{
    return { "Error", "Import File cannot be the same as the currently open file." };
}

inline Failure exportIsOpenCollection()
{
    return { "Error", "Export File cannot be the same as the currently open file." };
}

inline Failure nothingSelectedForImport()
{
    return { "Error", "No puzzles have been selected for import." };
}

inline Failure nothingSelectedForExport()
{
    return { "Error", "No puzzles have been selected for export." };
}

inline Failure unableToImportPuzzles()
{
    return { "Error", "Unable to import puzzles." };
}

inline Failure unableToExportPuzzles()
{
    return { "Error", "Unable to export puzzles." };
}

} // namespace gw::model
