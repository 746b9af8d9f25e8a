#include "render/ClueColumns.h"

#include <algorithm>
#include <cmath>

namespace gw::render {

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

std::string clueNumberText(int number)
{
    return std::to_string(number) + ".";
}

WrappedClues wrapClues(const report::PageCanvas &canvas, const model::PuzzleRecord &puzzle, int first,
    int last, const ClueColumns &layout)
{
    WrappedClues wrapped;
    const auto count = static_cast<std::size_t>(std::max(last, 0));
    wrapped.lines.resize(count);
    wrapped.rows.assign(count, 1);
    for (int entry = std::max(first, 1); entry <= last; ++entry) {
        const auto at = static_cast<std::size_t>(entry - 1);
        wrapped.lines[at] = wrapClue(canvas, puzzle.clues[at].view(), layout.textWidth);
        wrapped.rows[at] = std::max<int>(static_cast<int>(wrapped.lines[at].size()), 1);
    }
    return wrapped;
}

void printClueEntry(report::PageCanvas &canvas, const model::PuzzleRecord &puzzle, const ClueColumns &layout,
    const PlacedRow &placed, const WrappedClues &wrapped, PageResults &results)
{
    const auto at = static_cast<std::size_t>(placed.entry - 1);
    const double x = layout.numberX(placed.column);
    canvas.printText(x, layout.baseline(placed.row), clueNumberText(puzzle.clueNumber[at]));
    const std::string_view clue = puzzle.clues[at].view();
    const std::vector<ClueLine> &lines = wrapped.lines[at];
    for (std::size_t j = 0; j < lines.size(); ++j) {
        canvas.printText(x + layout.numberWidth, layout.baseline(placed.row + static_cast<int>(j)),
            clue.substr(static_cast<std::size_t>(lines[j].start), static_cast<std::size_t>(lines[j].length)));
    }
    results.clueCharacters[at] = lines.empty() ? 0 : lines.back().end();
    results.clueLines[at] = static_cast<int>(lines.size());
}

} // namespace gw::render
