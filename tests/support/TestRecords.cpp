#include "support/TestRecords.h"

#include <algorithm>
#include <cstring>

namespace gw::test {

std::unique_ptr<model::PuzzleRecord> markedPuzzle(
    std::string_view category, std::string_view title, char fill)
{
    auto record = zeroedPuzzle();
    std::memset(record.get(), fill, sizeof *record);
    record->category.assign(category);
    record->title.assign(title);
    return record;
}

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

std::unique_ptr<model::OldPuzzleRecord> oldPuzzle(std::string_view title, int words)
{
    auto old = std::make_unique<model::OldPuzzleRecord>();
    std::memset(old.get(), 0, sizeof *old);
    old->title.assign(title);
    old->size = 13;
    for (int i = 0; i < shapes::GridCells; ++i)
        old->grid[i] = static_cast<std::uint8_t>('A' + i % 26);
    old->wordCount = static_cast<std::int16_t>(words);
    old->acrossCount = static_cast<std::int16_t>(words / 2);
    old->downCount = static_cast<std::int16_t>(words - words / 2);
    for (int i = 0; i < model::MaxWords; ++i) {
        old->words[i].assign("WORD" + std::to_string(i + 1));
        old->clues[i].assign(std::string(model::OldClueCapacity, 'c'));
        old->startCell[i] = static_cast<std::uint16_t>(i + 1);
        old->letterCount[i] = static_cast<std::uint16_t>(4 + i % 3);
        old->clueNumber[i] = static_cast<std::uint16_t>(i / 2 + 1);
        old->direction[i] = static_cast<std::uint8_t>(i % 2);
    }
    return old;
}

std::string zpkFile(const model::OldPuzzleRecord &old)
{
    return std::string("ZPK") + char(3) + "2.0" + bytesOf(old);
}

} // namespace gw::test
