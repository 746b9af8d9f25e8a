#include "render/FreeText.h"

#include "render/ClueColumns.h"
#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"
#include "render/TextWrap.h"

#include <cmath>

namespace gw::render {

void DoText(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    if (page.results.textCount >= MaxTextObjects)
        return;
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const report::InchRect box = objectBox(page, object);
    const std::string_view text = object.textView();
    const int number = ++page.results.textCount;
    TextLines &lines = page.results.texts[static_cast<std::size_t>(number - 1)];

    double lineHeight = 0;
    const bool fits = fitObjectText(canvas, object, ListFloor, [&] {
        lineHeight = canvas.textHeight(MeasuringString);
        const int maxLines = static_cast<int>(std::trunc(box.height() / lineHeight));
        return wrapText(canvas, text, box.width(), maxLines, lines);
    });
    if (!fits)
        page.results.textOverflow[static_cast<std::size_t>(number - 1)] = true;

    std::size_t start = 0;
    for (int j = 0; j < lines.count; ++j) {
        const std::size_t length = static_cast<std::size_t>(lines.lengths[static_cast<std::size_t>(j)]);
        const std::string_view line
            = lineText(text.substr(start, length), lines.lineBreak[static_cast<std::size_t>(j)]);
        start += length;
        const double baseline = box.top + j * lineHeight + lineHeight - 0.2 * lineHeight;
        canvas.printText(alignedX(object, box, canvas.textWidth(line)), baseline, line);
    }
    drawBorder(canvas, object, box);
}

} // namespace gw::render
