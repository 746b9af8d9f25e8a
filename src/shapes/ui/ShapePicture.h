#pragma once

#include "shapes/ShapeRecord.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace gw::shapes {

// The colour of areas that belong to no grid: the button face of the window system.
QColor buttonFaceColour();

// A picture of the given size, 96 dots per inch as the letter sizes in points assume.
QImage blankPicture(QSize size);

// The larger square that lets columns x rows cells fit into the area: the smaller of area width
// div columns and area height div rows; 0 when there are no columns or rows.
int fittingCellSize(QSize area, int columns, int rows);

// The square of column c and row r (from 1) inside its grid lines: from ((c - 1) x cell + 1,
// (r - 1) x cell + 1) up to, not including, (c x cell, r x cell).
QRect innerCellRect(int column, int row, int cell);

// The ground every grid picture is drawn on: button face over the whole picture, white over
// whiteCells (columns x rows) and black lines around lineCells.  The lines run from 0 to
// columns x cell (rows x cell) inclusive.
void paintGridGround(QPainter &painter, QSize picture, int cell, QSize whiteCells, QSize lineCells);

// The chooser's preview of a shape: cell = min(size / width, size / height) pixels and every
// usable cell filled black.  A shape without width or height is a plain button-face picture.
QImage drawShapePicture(const ShapeRecord &shape, QSize size);

// The designer's square size for a shape in a drawing area: min(size / width, size / height)
// minus 1, or 0 for a shape without width or height.
int designerCellSize(QSize area, const ShapeRecord &shape);

// The designer's grid: squares of designerCellSize, usable cells filled red.
QImage drawShapeDesign(const ShapeRecord &shape, QSize area);

} // namespace gw::shapes
