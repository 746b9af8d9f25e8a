#include "shapes/ui/ShapePicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace gw::shapes {

namespace {

constexpr int DotsPerMetreAt96Dpi = 3780;

QImage paintShape(const ShapeRecord &shape, QSize size, int cell, const QColor &usable)
{
    QImage picture = blankPicture(size);
    if (cell <= 0)
        return picture;
    QPainter painter(&picture);
    const QSize cells(shape.safeWidth(), shape.safeHeight());
    paintGridGround(painter, size, cell, cells, cells);
    for (int r = 1; r <= cells.height(); ++r) {
        for (int c = 1; c <= cells.width(); ++c) {
            if (shape.usable(cellIndex(c, r)))
                painter.fillRect(innerCellRect(c, r, cell), usable);
        }
    }
    return picture;
}

} // namespace

QColor buttonFaceColour()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

QImage blankPicture(QSize size)
{
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.setDotsPerMeterX(DotsPerMetreAt96Dpi);
    picture.setDotsPerMeterY(DotsPerMetreAt96Dpi);
    picture.fill(buttonFaceColour());
    return picture;
}

int fittingCellSize(QSize area, int columns, int rows)
{
    if (columns <= 0 || rows <= 0)
        return 0;
    return std::min(area.width() / columns, area.height() / rows);
}

QRect innerCellRect(int column, int row, int cell)
{
    return QRect((column - 1) * cell + 1, (row - 1) * cell + 1, cell - 1, cell - 1);
}

void paintGridGround(QPainter &painter, QSize picture, int cell, QSize whiteCells, QSize lineCells)
{
    painter.fillRect(QRect(QPoint(0, 0), picture), buttonFaceColour());
    painter.fillRect(QRect(0, 0, whiteCells.width() * cell, whiteCells.height() * cell), Qt::white);
    const int right = lineCells.width() * cell;
    const int bottom = lineCells.height() * cell;
    for (int r = 0; r <= lineCells.height(); ++r)
        painter.fillRect(QRect(0, r * cell, right + 1, 1), Qt::black);
    for (int c = 0; c <= lineCells.width(); ++c)
        painter.fillRect(QRect(c * cell, 0, 1, bottom + 1), Qt::black);
}

QImage drawShapePicture(const ShapeRecord &shape, QSize size)
{
    return paintShape(shape, size, fittingCellSize(size, shape.safeWidth(), shape.safeHeight()), Qt::black);
}

int designerCellSize(QSize area, const ShapeRecord &shape)
{
    return std::max(0, fittingCellSize(area, shape.safeWidth(), shape.safeHeight()) - 1);
}

QImage drawShapeDesign(const ShapeRecord &shape, QSize area)
{
    return paintShape(shape, area, designerCellSize(area, shape), Qt::red);
}

} // namespace gw::shapes
