#pragma once

#include "render/PageResults.h"
#include "report/InchRect.h"
#include "report/PageCanvas.h"

#include <string>
#include <string_view>

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

// How many characters of the clue are printed in the width: trailing blanks go, then whole
// words from the end, until the rest is narrower than the width.
int fittedClueLength(const report::PageCanvas &canvas, std::string_view clue, double width);

// Whether the fitted length leaves part of the clue out.  A clue cut short fails the fit test,
// so that Make It Fit shrinks the font until whole clues fit, and a list printed with cut
// clues is reported.
bool clueCut(std::string_view clue, int fittedLength);

// The number before a clue: "12.".
std::string clueNumberText(int number);

} // namespace gw::render
