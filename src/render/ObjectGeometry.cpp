#include "render/ObjectGeometry.h"

#include <algorithm>
#include <cmath>

namespace gw::render {

namespace {

constexpr int MostColumns = 9;

double held(double value, double limit)
{
    return std::isfinite(value) ? std::clamp(value, 0.0, limit) : 0.0;
}

} // namespace

report::InchRect objectBox(const PageContext &page, const layout::LayoutObject &object)
{
    report::InchRect box;
    box.left = held(object.rect.left * page.scale, page.sheetWidth);
    box.top = held(object.rect.top * page.scale, page.sheetHeight);
    box.right = std::max(box.left, held(object.rect.right * page.scale, page.sheetWidth));
    box.bottom = std::max(box.top, held(object.rect.bottom * page.scale, page.sheetHeight));
    return box;
}

report::FontSpec fontSpec(const layout::LayoutFont &font)
{
    report::FontSpec made;
    made.name = font.face.str();
    made.size = report::clampedPointSize(font.size);
    made.colour = font.colour;
    made.bold = font.style.bold != 0;
    made.italic = font.style.italic != 0;
    made.underline = font.style.underline != 0;
    made.strikeout = font.style.strikeout != 0;
    return made;
}

int objectColumns(const layout::LayoutObject &object)
{
    return std::clamp<int>(object.columns, 1, MostColumns);
}

double alignedX(const layout::LayoutObject &object, const report::InchRect &box, double width)
{
    switch (object.alignment) {
    case 2:
        return box.left + (box.width() - width) * 0.5;
    case 3:
        return box.left + box.width() - width;
    default:
        return box.left;
    }
}

} // namespace gw::render
