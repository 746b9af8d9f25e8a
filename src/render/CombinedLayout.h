#pragma once

#include <vector>

namespace gw::render {

// One row of the combined clues: a label or a clue entry, at its column and row (from 1).
struct PlacedRow
{
    int column = 1;
    int row = 1;
    int entry = 0; // word entry; 0 for a label
    bool acrossLabel = false;
};

// Where the labels and entries of the combined clues go, column by column in columns of a
// number of rows: the across label, the across entries, then the down label with the first
// down entry and the other down entries.  With split columns row 1 of every column is kept
// for the labels, the down part starts at the top of the second half of the columns, and the
// across part keeps to the first half so that it never runs into the down part.
class CombinedLayout
{
public:
    CombinedLayout(int columns, int lines, bool split);

    // Places across entries acrossFirst..acrossLast and down entries acrossLast + 1..downLast;
    // false when one would need a column there is not, the rows placed so far staying.
    bool place(int acrossFirst, int acrossLast, int downLast);

    const std::vector<PlacedRow> &rows() const { return m_rows; }

private:
    bool placeEntry(int entry, int lastColumn);

    int m_columns;
    int m_lines;
    bool m_split;
    int m_column = 1;
    int m_row = 1;
    std::vector<PlacedRow> m_rows;
};

} // namespace gw::render
