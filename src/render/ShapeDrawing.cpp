#include "render/ShapeDrawing.h"

#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

#include <algorithm>
#include <cmath>

namespace gw::render {

namespace {

// Tiles beyond this many a row or a column would be too small to see; a box read from a file
// could otherwise ask for millions.
constexpr int MostTiles = 200;

// Tiles needed to cover the sheet: one more than fit whole, unless they fit exactly.  The
// tolerance keeps a tile computed from layout pixels, which divides the sheet up to rounding,
// from adding a tile that would lie wholly off the sheet.
int tileCount(double sheet, double tile)
{
    constexpr double Rounding = 1e-9;
    return static_cast<int>(
        std::clamp(std::ceil(sheet / tile - Rounding), 1.0, static_cast<double>(MostTiles)));
}

void drawCircleBorder(
    report::PageCanvas &canvas, const layout::LayoutObject &object, const report::InchRect &box)
{
    if (!object.useBorder)
        return;
    canvas.setPenColour(object.borderColour);
    const int width = heldThickness(object.borderWidth);
    for (int k = 0; k < width; ++k) {
        const report::InchRect ring = movedByDots(canvas, box, k);
        canvas.arc(ring, 0, 180);
        canvas.arc(ring, 180, 180);
    }
}

} // namespace

void DoRect(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    const layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const report::InchRect box = objectBox(page, object);
    const bool circle = object.kind == static_cast<std::int16_t>(layout::ObjectKind::Circle);
    if (object.fillInShape) {
        canvas.setPenColour(object.fillColour);
        canvas.setBrushColour(object.fillColour);
        if (circle)
            canvas.ellipse(box);
        else
            canvas.fillRect(box);
    }
    if (circle)
        drawCircleBorder(canvas, object, box);
    else
        drawBorder(canvas, object, box);
}

void DoBitmap(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    const layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const report::InchRect box = objectBox(page, object);
    const QImage &bitmap = page.bitmaps[static_cast<std::size_t>(objectIndex)];
    if (!object.transparent) {
        canvas.stretchBitmap(box, bitmap);
        drawBorder(canvas, object, box);
        return;
    }
    const double tileWidth = box.width();
    const double tileHeight = box.height();
    if (tileWidth <= 0 || tileHeight <= 0)
        return;
    const int columns = tileCount(page.sheetWidth, tileWidth);
    const int rows = tileCount(page.sheetHeight, tileHeight);
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j)
            canvas.stretchBitmap(
                { i * tileWidth, j * tileHeight, (i + 1) * tileWidth, (j + 1) * tileHeight }, bitmap);
    }
}

} // namespace gw::render
