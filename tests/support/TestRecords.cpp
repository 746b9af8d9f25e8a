#include "support/TestRecords.h"

#include <algorithm>

namespace gw::test {

shapes::ShapeRecord filledShape(int width, int height, const std::string &title)
{
    shapes::ShapeRecord shape {};
    shape.title.assign(title);
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column)
            shape.cells[shapes::cellIndex(column, row) - 1] = 1;
    return shape;
}

shapes::ShapeRecord shapeFromRows(const std::vector<std::string> &rows)
{
    shapes::ShapeRecord shape {};
    shape.title.assign("Drawn");
    shape.height = static_cast<std::int16_t>(rows.size());
    std::size_t width = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        width = std::max(width, rows[row].size());
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            shape.cells[row * shapes::GridSide + column] = rows[row][column] == '#' ? 1 : 0;
    }
    shape.width = static_cast<std::int16_t>(width);
    return shape;
}

std::unique_ptr<model::PuzzleRecord> puzzleWithWords(const std::vector<std::string> &words)
{
    auto record = zeroedPuzzle();
    record->width = 15;
    record->height = 15;
    std::vector<std::string> clues;
    for (const std::string &word : words)
        clues.push_back("clue of " + word);
    std::vector<model::WordRow> rows;
    for (std::size_t i = 0; i < words.size(); ++i)
        rows.push_back({ words[i], clues[i] });
    model::fillFromWordList(*record, rows);
    return record;
}

} // namespace gw::test
