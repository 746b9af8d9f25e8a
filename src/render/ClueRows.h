#pragma once

#include <span>
#include <vector>

namespace gw::render {

// Where a label or a clue entry goes: its column and first row (from 1).
struct PlacedRow
{
    int column = 1;
    int row = 1;
    int entry = 0; // word entry; 0 for a label, which takes one row
    bool acrossLabel = false;
};

// Where the entries of a clue list, or the labels and entries of the combined clues, go in
// columns of a number of rows.  Each entry takes the rows of its wrapped lines and keeps them
// together in one column: an entry that does not fit below the last starts the next column.
class ClueRows
{
public:
    // entryRows holds the rows of word entry k at index k - 1, at least one each.
    ClueRows(int columns, int lines, std::span<const int> entryRows);

    // Entries first..last of one list, from the top of column 1; false when one would need a
    // column there is not, the entries placed so far staying.
    bool placeList(int first, int last);

    // The combined clues: the across label, across entries acrossFirst..acrossLast, then the
    // down label with the first down entry and the other down entries up to downLast.  With
    // split columns row 1 of every column is kept for the labels, the down part starts at the
    // top of the second half of the columns, and the across part keeps to the first half so
    // that it never runs into the down part.
    bool placeCombined(int acrossFirst, int acrossLast, int downLast, bool split);

    const std::vector<PlacedRow> &rows() const { return m_rows; }

private:
    int rowsOf(int entry) const;
    bool placeEntry(int entry, int lastColumn, int firstRow);

    int m_columns;
    int m_lines;
    std::span<const int> m_entryRows;
    int m_column = 1;
    int m_row = 1;
    std::vector<PlacedRow> m_rows;
};

} // namespace gw::render
