#include "render/Outlines.h"

#include <algorithm>

namespace gw::render {

namespace {

constexpr int MostDots = 9;

} // namespace

void drawOutline(report::PageCanvas &canvas, const report::InchRect &box)
{
    canvas.moveTo(box.left, box.top);
    canvas.lineTo(box.right, box.top);
    canvas.lineTo(box.right, box.bottom);
    canvas.lineTo(box.left, box.bottom);
    canvas.lineTo(box.left, box.top);
}

report::InchRect movedByDots(const report::PageCanvas &canvas, const report::InchRect &box, int dots)
{
    return { canvas.fromDots(canvas.toDots(box.left) - dots), canvas.fromDots(canvas.toDots(box.top) - dots),
        canvas.fromDots(canvas.toDots(box.right) + dots), canvas.fromDots(canvas.toDots(box.bottom) + dots) };
}

int heldThickness(int dots)
{
    return std::clamp(dots, 0, MostDots);
}

void drawBorder(report::PageCanvas &canvas, const layout::LayoutObject &object, const report::InchRect &box)
{
    if (!object.useBorder)
        return;
    canvas.setPenColour(object.borderColour);
    const int width = heldThickness(object.borderWidth);
    for (int k = 0; k < width; ++k)
        drawOutline(canvas, movedByDots(canvas, box, k));
}

} // namespace gw::render
