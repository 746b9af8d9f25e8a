#include "render/CellGrid.h"

namespace gw::render {

CellGrid::CellGrid(const report::InchRect &box, int columns, int rows)
    : m_x0(box.left)
    , m_y0(box.top)
    , m_cellWidth(box.width() / columns)
    , m_cellHeight(box.height() / rows)
    , m_columns(columns)
    , m_rows(rows)
{
    if (m_cellHeight < m_cellWidth) {
        m_x0 += (box.width() - columns * m_cellHeight) * 0.5;
        m_cellWidth = m_cellHeight;
    } else if (m_cellWidth < m_cellHeight) {
        m_y0 += (box.height() - rows * m_cellWidth) * 0.5;
        m_cellHeight = m_cellWidth;
    }
}

bool CellGrid::contains(int column, int row) const
{
    return column >= 1 && column <= m_columns && row >= 1 && row <= m_rows;
}

report::InchRect CellGrid::cell(int column, int row) const
{
    return { m_x0 + (column - 1) * m_cellWidth, m_y0 + (row - 1) * m_cellHeight, m_x0 + column * m_cellWidth,
        m_y0 + row * m_cellHeight };
}

} // namespace gw::render
