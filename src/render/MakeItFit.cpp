#include "render/MakeItFit.h"

#include "render/ObjectGeometry.h"

#include <algorithm>

namespace gw::render {

bool fitObjectText(report::PageCanvas &canvas, layout::LayoutObject &object, int floor,
    const std::function<bool()> &test, int sizeLimit)
{
    report::FontSpec font = fontSpec(object.textFont);
    if (object.makeItFit && sizeLimit > 0)
        font.size = std::min(font.size, sizeLimit);
    canvas.setFont(font);
    object.fittedFontSize = static_cast<std::int16_t>(font.size);
    bool passed = test();
    while (object.makeItFit && !passed && font.size > report::MinPointSize) {
        --font.size;
        canvas.setFont(font);
        object.fittedFontSize = static_cast<std::int16_t>(font.size);
        if (font.size <= floor)
            break;
        passed = test();
    }
    canvas.setTransparentText(object.transparent != 0);
    return passed;
}

} // namespace gw::render
