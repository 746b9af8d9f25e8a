#pragma once

#include "shapes/ShapeRecord.h"

namespace gw::shapes {

// The designer's edits of a working shape.  Columns and rows count from 1; width and height are
// clamped to the 50 x 50 storage, so a record read from a file cannot lead outside it.  Flipping
// makes 0 usable and any other byte unusable.

// Flips one cell; cells outside the storage are left alone.
void toggleCell(ShapeRecord &shape, int column, int row);

// Flips the area around (column, row) as the designer's fill finds it: the run of equal cells in
// the clicked row, then one pass upwards and one downwards, each row taking equal cells next to
// marks above, below and, scanning left to right, beside them; a pass stops at the first row
// that takes nothing.  Nothing happens outside the width and height.
void fillArea(ShapeRecord &shape, int column, int row);

enum class ShiftDirection { Left, Up, Right, Down };

// Moves the pattern inside the width and height one cell; the row or column that falls vacant
// becomes unusable.  Cells outside the width and height are untouched.
void shiftCells(ShapeRecord &shape, ShiftDirection direction);

// Flips all 2500 cells, those outside the width and height too.
void reverseCells(ShapeRecord &shape);

} // namespace gw::shapes
