#pragma once

#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

#include <memory>
#include <string>
#include <vector>

namespace gw::test {

// Records are large: tests keep them on the heap.
inline std::unique_ptr<model::PuzzleRecord> zeroedPuzzle() { return std::make_unique<model::PuzzleRecord>(); }

// A width x height shape with every cell usable, titled as given.
shapes::ShapeRecord filledShape(int width, int height, const std::string &title = "Test");

// A shape drawn from rows of '#' (usable) and '.' (not usable).
shapes::ShapeRecord shapeFromRows(const std::vector<std::string> &rows);

// A new puzzle record holding the given words, each with the clue "clue of WORD".
std::unique_ptr<model::PuzzleRecord> puzzleWithWords(const std::vector<std::string> &words);

} // namespace gw::test
