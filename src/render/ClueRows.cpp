#include "render/ClueRows.h"

#include <algorithm>

namespace gw::render {

ClueRows::ClueRows(int columns, int lines, std::span<const int> entryRows)
    : m_columns(columns)
    , m_lines(lines)
    , m_entryRows(entryRows)
{ }

int ClueRows::rowsOf(int entry) const
{
    const auto at = static_cast<std::size_t>(entry - 1);
    return at < m_entryRows.size() ? std::max(m_entryRows[at], 1) : 1;
}

bool ClueRows::placeList(int first, int last)
{
    m_rows.clear();
    m_column = 1;
    m_row = 1;
    for (int entry = first; entry <= last; ++entry) {
        if (!placeEntry(entry, m_columns, 1))
            return false;
    }
    return true;
}

bool ClueRows::placeCombined(int acrossFirst, int acrossLast, int downLast, bool split)
{
    m_rows.clear();
    if (m_lines <= 0)
        return acrossFirst > downLast;
    const int firstRow = split ? 2 : 1;
    m_rows.push_back({ 1, 1, 0, true });
    m_column = 1;
    m_row = 2;
    const int acrossColumns = split ? m_columns / 2 : m_columns;
    for (int entry = acrossFirst; entry <= acrossLast; ++entry) {
        if (!placeEntry(entry, acrossColumns, firstRow))
            return false;
    }
    if (split) {
        m_column = m_columns / 2 + 1;
        m_row = 1;
    } else if (m_row + (downLast > acrossLast ? rowsOf(acrossLast + 1) : 1) > m_lines) {
        // The label and the first down entry go together.
        ++m_column;
        m_row = 1;
    }
    if (m_column > m_columns)
        return false;
    m_rows.push_back({ m_column, m_row++, 0, false });
    for (int entry = acrossLast + 1; entry <= downLast; ++entry) {
        if (!placeEntry(entry, m_columns, firstRow))
            return false;
    }
    return true;
}

bool ClueRows::placeEntry(int entry, int lastColumn, int firstRow)
{
    const int rows = rowsOf(entry);
    if (m_row + rows - 1 > m_lines) {
        ++m_column;
        m_row = firstRow;
    }
    if (m_column > lastColumn || m_row + rows - 1 > m_lines)
        return false;
    m_rows.push_back({ m_column, m_row, entry, false });
    m_row += rows;
    return true;
}

} // namespace gw::render
