#pragma once

#include "report/InchRect.h"

namespace gw::render {

// The squares of a grid in its object's box: square cells as large as the box allows, the grid
// centred across or down in whatever room is left.  Columns and rows count from 1.
class CellGrid
{
public:
    // columns and rows are at least 1.
    CellGrid(const report::InchRect &box, int columns, int rows);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    double cellWidth() const { return m_cellWidth; }
    double cellHeight() const { return m_cellHeight; }
    bool contains(int column, int row) const;
    report::InchRect cell(int column, int row) const;

private:
    double m_x0;
    double m_y0;
    double m_cellWidth;
    double m_cellHeight;
    int m_columns;
    int m_rows;
};

} // namespace gw::render
