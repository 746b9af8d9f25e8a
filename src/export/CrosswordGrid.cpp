#include "export/CrosswordGrid.h"

#include "render/PrintJob.h"

#include <algorithm>

namespace gw::exports {

namespace {

// Record texts end at their length byte; a NUL inside one would end the text early in the
// exchange formats that terminate texts by it.
std::string withoutNuls(std::string_view text)
{
    std::string kept(text);
    std::erase(kept, '\0');
    return kept;
}

} // namespace

CrosswordGrid CrosswordGrid::of(const model::PuzzleRecord &puzzle)
{
    CrosswordGrid grid;
    grid.width = puzzle.safeWidth();
    grid.height = puzzle.safeHeight();
    grid.title = withoutNuls(puzzle.title.view());
    const auto squares = static_cast<std::size_t>(grid.width * grid.height);
    grid.squares.assign(squares, Square::Outside);
    grid.letters.assign(squares, 0);
    grid.numbers.assign(squares, 0);
    for (int r = 1; r <= grid.height; ++r) {
        for (int c = 1; c <= grid.width; ++c) {
            const std::uint8_t byte = puzzle.cell((r - 1) * shapes::GridSide + c);
            const std::size_t i = grid.index(c, r);
            if (byte == model::OutsideCell)
                continue;
            grid.squares[i] = byte == model::BlankCell ? Square::Block : Square::Letter;
            if (byte != model::BlankCell)
                grid.letters[i] = byte;
        }
    }
    const int numbered = render::numberedWordCount(puzzle);
    for (int k = 1; k <= numbered; ++k) {
        if (puzzle.placed[k - 1] != 1)
            continue;
        const int start = puzzle.startCell[k - 1];
        // Cell index 50 is column 50 of row 1.
        const int column = (start - 1) % shapes::GridSide + 1;
        const int row = (start - 1) / shapes::GridSide + 1;
        if (start < 1 || column > grid.width || row > grid.height)
            continue;
        Clue clue;
        clue.number = puzzle.clueNumber[k - 1];
        clue.text = withoutNuls(puzzle.clues[k - 1].view());
        clue.column = column;
        clue.row = row;
        const bool across = puzzle.direction[k - 1] == 1;
        const int length = puzzle.letterCount[k - 1];
        for (int j = 0; j < length; ++j) {
            const int c = across ? column + j : column;
            const int r = across ? row : row + j;
            if (c > grid.width || r > grid.height || grid.square(c, r) != Square::Letter)
                break;
            clue.answer.push_back(static_cast<char>(grid.letter(c, r)));
            ++clue.length;
        }
        if (clue.length == 0)
            continue;
        grid.numbers[grid.index(column, row)] = clue.number;
        (across ? grid.across : grid.down).push_back(std::move(clue));
    }
    const auto byNumber = [](const Clue &a, const Clue &b) { return a.number < b.number; };
    std::stable_sort(grid.across.begin(), grid.across.end(), byNumber);
    std::stable_sort(grid.down.begin(), grid.down.end(), byNumber);
    return grid;
}

} // namespace gw::exports
