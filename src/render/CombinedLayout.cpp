#include "render/CombinedLayout.h"

namespace gw::render {

CombinedLayout::CombinedLayout(int columns, int lines, bool split)
    : m_columns(columns)
    , m_lines(lines)
    , m_split(split)
{ }

bool CombinedLayout::place(int acrossFirst, int acrossLast, int downLast)
{
    m_rows.clear();
    if (m_lines <= 0)
        return acrossFirst > downLast;
    m_rows.push_back({ 1, 1, 0, true });
    m_column = 1;
    m_row = 2;
    const int acrossColumns = m_split ? m_columns / 2 : m_columns;
    for (int entry = acrossFirst; entry <= acrossLast; ++entry) {
        if (!placeEntry(entry, acrossColumns))
            return false;
    }
    if (m_split) {
        m_column = m_columns / 2 + 1;
        m_row = 1;
    } else if (m_row + 1 > m_lines) {
        // The label and the first down entry go together.
        ++m_column;
        m_row = 1;
    }
    if (m_column > m_columns)
        return false;
    m_rows.push_back({ m_column, m_row++, 0, false });
    for (int entry = acrossLast + 1; entry <= downLast; ++entry) {
        if (!placeEntry(entry, m_columns))
            return false;
    }
    return true;
}

bool CombinedLayout::placeEntry(int entry, int lastColumn)
{
    if (m_row > m_lines) {
        ++m_column;
        m_row = m_split ? 2 : 1;
    }
    if (m_column > lastColumn || m_row > m_lines)
        return false;
    m_rows.push_back({ m_column, m_row++, entry, false });
    return true;
}

} // namespace gw::render
