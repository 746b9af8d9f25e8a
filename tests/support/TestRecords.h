#pragma once

#include "model/PreviousVersion.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gw::test {

// Records are large: tests keep them on the heap.
inline std::unique_ptr<model::PuzzleRecord> zeroedPuzzle()
{
    return std::make_unique<model::PuzzleRecord>();
}

// The bytes of a record as a file holds them.
template <typename Record> std::string bytesOf(const Record &record)
{
    return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

// A puzzle filled with one byte throughout, so that byte comparisons tell records apart.
std::unique_ptr<model::PuzzleRecord> markedPuzzle(
    std::string_view category, std::string_view title, char fill);

// A width x height shape with every cell usable, titled as given.
shapes::ShapeRecord filledShape(int width, int height, const std::string &title = "Test");

// A shape drawn from rows of '#' (usable) and '.' (not usable).
shapes::ShapeRecord shapeFromRows(const std::vector<std::string> &rows);

// A new puzzle record holding the given words, each with the clue "clue of WORD".
std::unique_ptr<model::PuzzleRecord> puzzleWithWords(const std::vector<std::string> &words);

// An old-version puzzle of the given title and word count with every field set: letters in the
// grid, WORDn with a full clue, and start, length, number and direction numbered by entry.
std::unique_ptr<model::OldPuzzleRecord> oldPuzzle(std::string_view title, int words);

// A 16-bit single-puzzle file holding the record, version "2.0".
std::string zpkFile(const model::OldPuzzleRecord &old);

} // namespace gw::test
