#include "app/TiledBackground.h"

#include <QPainter>

namespace gw::app {

namespace {

const QColor Silver(192, 192, 192);

// The tile: pale squares of a crossword, 8 x 8 cells of 12 pixels, with a few black squares
// placed so that copies side by side continue the pattern.
QPixmap backgroundTile()
{
    constexpr int Cells = 8;
    constexpr int Cell = 12;
    constexpr int Blacks[][2]
        = { { 0, 3 }, { 1, 6 }, { 2, 1 }, { 3, 4 }, { 4, 7 }, { 5, 2 }, { 6, 5 }, { 7, 0 } };
    QPixmap tile(Cells * Cell, Cells * Cell);
    tile.fill(QColor(214, 220, 206));
    QPainter painter(&tile);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 160, 146));
    for (const auto &[row, column] : Blacks)
        painter.drawRect(column * Cell, row * Cell, Cell, Cell);
    painter.setPen(QColor(182, 190, 176));
    for (int line = 0; line < Cells; ++line) {
        painter.drawLine(line * Cell, 0, line * Cell, Cells * Cell - 1);
        painter.drawLine(0, line * Cell, Cells * Cell - 1, line * Cell);
    }
    return tile;
}

} // namespace

TiledBackground::TiledBackground(QWidget *parent)
    : QWidget(parent)
    , m_tile(backgroundTile())
{ }

void TiledBackground::setTiling(bool on)
{
    m_tiling = on;
    update();
}

void TiledBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_tiling)
        painter.drawTiledPixmap(rect(), m_tile);
    else
        painter.fillRect(rect(), Silver);
}

} // namespace gw::app
