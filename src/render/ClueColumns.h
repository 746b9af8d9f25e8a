#pragma once

#include "model/PuzzleRecord.h"
#include "render/ClueRows.h"
#include "render/ClueWrap.h"
#include "render/PageResults.h"
#include "report/InchRect.h"
#include "report/PageCanvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace gw::render {

// How the entries of a clue list (or of the combined clues) lie in their box at the current
// font: rows of the measuring string's height spread over the box, and per column a number,
// then the clue text.
struct ClueColumns
{
    report::InchRect box;
    int columns = 1;
    int lines = 0; // rows per column
    double numberWidth = 0; // two, three or four digit widths by the largest number
    double gap = 0; // between columns: two digit widths
    double margin = 0; // left of every number: a quarter digit width
    double textWidth = 0; // of the clue text in each column

    double rowSpacing() const { return lines > 0 ? box.height() / lines : 0; }
    // Left of the number in a column (from 1).
    double numberX(int column) const
    {
        return box.left + (column - 1) * (gap + numberWidth + textWidth) + margin;
    }
    double rowTop(int row) const { return box.top + (row - 1) * rowSpacing(); }
    double baseline(int row) const { return rowTop(row) + rowSpacing() - 0.2 * rowSpacing(); }

    ListMetrics metrics(int lastFitting) const;
};

// The measuring string whose height is a row of a clue list, word list or free text.
constexpr std::string_view MeasuringString = "ABCWjkl";

ClueColumns measureClueColumns(
    const report::PageCanvas &canvas, const report::InchRect &box, int columns, int largestNumber);

// The number before a clue: "12.".
std::string clueNumberText(int number);

// The clues of word entries first..last wrapped to the text width of the columns: the lines
// of entry k at index k - 1 of lines, the rows it takes (one at least) at index k - 1 of rows.
struct WrappedClues
{
    std::vector<std::vector<ClueLine>> lines;
    std::vector<int> rows;
};
WrappedClues wrapClues(const report::PageCanvas &canvas, const model::PuzzleRecord &puzzle, int first,
    int last, const ClueColumns &layout);

// Prints a placed entry as its number and its lines, continuation lines hanging under the
// first line's text, and records how far into its clue it got and on how many lines.
void printClueEntry(report::PageCanvas &canvas, const model::PuzzleRecord &puzzle, const ClueColumns &layout,
    const PlacedRow &placed, const WrappedClues &wrapped, PageResults &results);

} // namespace gw::render
