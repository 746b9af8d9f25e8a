#include "render/OneLineText.h"

#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

namespace gw::render {

void DoTextLine(PageContext &page, report::PageCanvas &canvas, int objectIndex, std::string_view text)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const report::InchRect box = objectBox(page, object);
    double width = 0;
    fitObjectText(canvas, object, LineFloor, [&] {
        width = canvas.textWidth(text);
        return width < box.width() && canvas.textHeight(text) < box.height();
    });
    const double baseline = (box.bottom - box.height() * 0.5) + (canvas.ascent() - canvas.descent()) * 0.5;
    canvas.printText(alignedX(object, box, width), baseline, text);
    drawBorder(canvas, object, box);
}

} // namespace gw::render
