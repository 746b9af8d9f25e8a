#include "render/ClueColumns.h"

#include <cmath>

namespace gw::render {

namespace {

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

ListMetrics ClueColumns::metrics(int lastFitting) const
{
    return { lines, numberWidth, gap, margin, textWidth, lastFitting };
}

ClueColumns measureClueColumns(
    const report::PageCanvas &canvas, const report::InchRect &box, int columns, int largestNumber)
{
    ClueColumns layout;
    layout.box = box;
    layout.columns = columns;
    layout.lines = static_cast<int>(std::trunc(box.height() / canvas.textHeight(MeasuringString)));
    const double digit = canvas.textWidth("9");
    layout.numberWidth = (largestNumber < 10 ? 2 : largestNumber < 100 ? 3 : 4) * digit;
    layout.gap = 2 * digit;
    layout.margin = 0.25 * digit;
    layout.textWidth
        = (box.width() - ((columns - 1) * layout.gap + columns * layout.numberWidth + layout.margin))
        / columns;
    return layout;
}

int fittedClueLength(const report::PageCanvas &canvas, std::string_view clue, double width)
{
    std::string_view kept = withoutTrailingBlanks(clue);
    while (!kept.empty() && !(canvas.textWidth(kept) < width)) {
        const std::size_t blank = kept.rfind(' ');
        kept = withoutTrailingBlanks(kept.substr(0, blank == std::string_view::npos ? 0 : blank));
    }
    return static_cast<int>(kept.size());
}

bool clueCut(std::string_view clue, int fittedLength)
{
    return fittedLength < static_cast<int>(withoutTrailingBlanks(clue).size());
}

std::string clueNumberText(int number)
{
    return std::to_string(number) + ".";
}

} // namespace gw::render
