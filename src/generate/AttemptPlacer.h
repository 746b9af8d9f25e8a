#pragma once

#include "generate/OrderedWords.h"
#include "generate/RandomSequence.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

#include <cstdint>

namespace gw::generate {

// Places the words of one creation attempt, longest first, each crossing the words already
// placed, in passes until a pass places nothing more.
//
// A word takes the first start position in reading order that passes the fit test.  The test
// is run for all starts of a row at once on bit masks of the rows, one bit a square: the
// squares holding letters, those holding each letter, and those a new letter may take.  A
// word across reads one row, a word down the rows it spans.  Letters are never removed
// during an attempt, and a position can only start to pass when one of its own squares
// received a letter, so a word left out is later tested only on the rows written since.
//
// Bit and index 0 and 51 stand for the squares beyond the 50 x 50 grid; they never hold a
// letter, so a square on the edge reads its missing neighbour as blank, which is what the fit
// test asks.
class AttemptPlacer
{
public:
    // width and height: the puzzle's, already clamped to 1..50.
    AttemptPlacer(const OrderedWords &words, const shapes::ShapeRecord &shape, int width, int height);

    // Places the words of one attempt on an empty grid; returns the number placed.
    int place(RandomSequence &random, bool quickBuild);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool placed(int position) const { return m_placed[position]; }
    int startCell(int position) const { return cellIndexOf(m_start[position]); }
    bool across(int position) const { return m_acrossAt[position]; }
    // Direction of the first word of the attempt; across when it was not placed.
    bool firstRanAcross() const { return m_firstRanAcross; }
    // Blank or the upper-case letter at cell index 1..2500.
    std::uint8_t cell(int index) const { return m_grid[index - 1]; }

    // Rows and columns (1..50) holding letters; 0 when the grid holds none.
    int firstLetterRow() const { return m_firstRow; }
    int lastLetterRow() const { return m_lastRow; }
    int firstLetterColumn() const { return m_firstColumn; }
    int lastLetterColumn() const { return m_lastColumn; }

private:
    static constexpr int Stride = shapes::GridSide + 2;
    static constexpr int NoStart = Stride * Stride; // beyond every start, so it loses every comparison
    static constexpr int Letters = 256;

    // The first starts in reading order with at least two and with at least one crossing, as
    // row x Stride + column.
    struct Best
    {
        int two = NoStart;
        int one = NoStart;
    };

    static int cellIndexOf(int start) { return shapes::cellIndex(start % Stride, start / Stride); }

    void indexLetters();
    void measureUsableRows(const shapes::ShapeRecord &shape);
    void findFirstWordStarts();
    void reset();
    void processFirstWord(RandomSequence &random);
    void processWord(int position, RandomSequence &random);
    int firstWordStart(RandomSequence &random, bool across);
    Best bestStarts(int position, bool across) const;
    void take(int position, int start, bool across);
    void updateOpenSquares(int row);

    const OrderedWords &m_words;
    const int m_width;
    const int m_height;

    // Letters are numbered by first appearance in the words, so only that many masks are
    // cleared for each attempt.
    int m_letterCount = 0;
    std::uint8_t m_letterIndexOf[Letters] = {};
    std::uint8_t m_indexes[model::MaxWords][model::WordCapacity] = {};

    // Row masks.  Open squares are blank, usable, within the width and height, and have no
    // letter beside them across the word's direction (above and below for a word across, left
    // and right for a word down).
    std::uint64_t m_usable[Stride] = {};
    std::uint64_t m_letters[Stride];
    std::uint64_t m_holding[Letters][Stride]; // squares holding each letter, by letter index
    std::uint64_t m_openAcross[Stride];
    std::uint64_t m_openDown[Stride];
    int m_writtenAt[Stride]; // letters written when the row last got one
    std::uint8_t m_grid[shapes::GridCells];
    int m_written = 0;

    // For the first word on the empty grid: the first fitting start at or below row r, and at
    // or right of column c, in reading order (index r or c, 1..50).
    int m_firstAcrossFromRow[Stride];
    int m_firstDownFromColumn[Stride];

    bool m_placed[model::MaxWords] = {};
    std::uint16_t m_start[model::MaxWords] = {};
    bool m_acrossAt[model::MaxWords] = {};
    int m_testedUpTo[model::MaxWords] = {}; // letters written when the word was last left out
    int m_placedCount = 0;
    bool m_firstRanAcross = true;
    int m_firstRow = 0;
    int m_lastRow = 0;
    int m_firstColumn = 0;
    int m_lastColumn = 0;
};

} // namespace gw::generate
