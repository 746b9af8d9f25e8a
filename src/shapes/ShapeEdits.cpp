#include "shapes/ShapeEdits.h"

#include <array>

namespace gw::shapes {

namespace {

std::uint8_t &cellAt(ShapeRecord &shape, int column, int row)
{
    return shape.cells[cellIndex(column, row) - 1];
}

std::uint8_t flipped(std::uint8_t value)
{
    return value == 0 ? 1 : 0;
}

// Marks of the fill, indexed [row][column] from 1; row and column 0 stay unmarked.
using Marks = std::array<std::array<bool, GridSide + 1>, GridSide + 1>;

class AreaFill
{
public:
    AreaFill(ShapeRecord &shape, int column, int row)
        : m_shape(shape)
        , m_width(shape.safeWidth())
        , m_height(shape.safeHeight())
        , m_column(column)
        , m_row(row)
        , m_value(cellAt(shape, column, row))
    { }

    void run()
    {
        const int column = m_column;
        const int row = m_row;
        m_marks[row][column] = true;
        for (int c = column - 1; c >= 1 && qualifies(c, row); --c)
            m_marks[row][c] = true;
        for (int c = column + 1; c <= m_width && qualifies(c, row); ++c)
            m_marks[row][c] = true;
        for (int r = row - 1; r >= 1 && spreadInto(r); --r) { }
        for (int r = row + 1; r <= m_height && spreadInto(r); ++r) { }
        for (int r = 1; r <= m_height; ++r) {
            for (int c = 1; c <= m_width; ++c) {
                if (m_marks[r][c])
                    cellAt(m_shape, c, r) = flipped(cellAt(m_shape, c, r));
            }
        }
    }

private:
    bool qualifies(int column, int row) { return cellAt(m_shape, column, row) == m_value; }

    // Marks the qualifying cells of one row; true when any cell qualified, marked before or not.
    bool spreadInto(int row)
    {
        bool found = false;
        auto take = [&](int c) {
            m_marks[row][c] = true;
            found = true;
        };
        if (row > 1) {
            for (int c = 1; c <= m_width; ++c) {
                if (m_marks[row - 1][c] && qualifies(c, row))
                    take(c);
            }
        }
        if (row < m_height) {
            for (int c = 1; c <= m_width; ++c) {
                if (m_marks[row + 1][c] && qualifies(c, row))
                    take(c);
            }
        }
        // One sweep left to right: a mark runs on to the right without limit, to the left only
        // one cell per pass.
        for (int c = 2; c <= m_width - 1; ++c) {
            if ((m_marks[row][c - 1] || m_marks[row][c + 1]) && qualifies(c, row))
                take(c);
        }
        return found;
    }

    ShapeRecord &m_shape;
    const int m_width;
    const int m_height;
    const int m_column;
    const int m_row;
    const std::uint8_t m_value;
    Marks m_marks {};
};

void copyColumn(ShapeRecord &shape, int from, int to)
{
    for (int r = 1; r <= shape.safeHeight(); ++r)
        cellAt(shape, to, r) = cellAt(shape, from, r);
}

void copyRow(ShapeRecord &shape, int from, int to)
{
    for (int c = 1; c <= shape.safeWidth(); ++c)
        cellAt(shape, c, to) = cellAt(shape, c, from);
}

void clearColumn(ShapeRecord &shape, int column)
{
    for (int r = 1; r <= shape.safeHeight(); ++r)
        cellAt(shape, column, r) = 0;
}

void clearRow(ShapeRecord &shape, int row)
{
    for (int c = 1; c <= shape.safeWidth(); ++c)
        cellAt(shape, c, row) = 0;
}

} // namespace

void toggleCell(ShapeRecord &shape, int column, int row)
{
    if (column < 1 || column > GridSide || row < 1 || row > GridSide)
        return;
    cellAt(shape, column, row) = flipped(cellAt(shape, column, row));
}

void fillArea(ShapeRecord &shape, int column, int row)
{
    if (column < 1 || column > shape.safeWidth() || row < 1 || row > shape.safeHeight())
        return;
    AreaFill(shape, column, row).run();
}

void shiftCells(ShapeRecord &shape, ShiftDirection direction)
{
    const int width = shape.safeWidth();
    const int height = shape.safeHeight();
    if (width < 1 || height < 1)
        return;
    switch (direction) {
    case ShiftDirection::Left:
        for (int c = 2; c <= width; ++c)
            copyColumn(shape, c, c - 1);
        clearColumn(shape, width);
        break;
    case ShiftDirection::Right:
        for (int c = width; c >= 2; --c)
            copyColumn(shape, c - 1, c);
        clearColumn(shape, 1);
        break;
    case ShiftDirection::Up:
        for (int r = 2; r <= height; ++r)
            copyRow(shape, r, r - 1);
        clearRow(shape, height);
        break;
    case ShiftDirection::Down:
        for (int r = height; r >= 2; --r)
            copyRow(shape, r - 1, r);
        clearRow(shape, 1);
        break;
    }
}

void reverseCells(ShapeRecord &shape)
{
    for (std::uint8_t &cell : shape.cells)
        cell = flipped(cell);
}

} // namespace gw::shapes
