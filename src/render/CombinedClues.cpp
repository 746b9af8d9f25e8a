#include "render/CombinedClues.h"

#include "render/ClueColumns.h"
#include "render/CombinedLayout.h"
#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

#include <vector>

namespace gw::render {

namespace {

// The label centred in its span with a rectangle of one row around it.
void printLabel(report::PageCanvas &canvas, const ClueColumns &layout, const PlacedRow &placed,
    std::string_view label, bool split)
{
    const double left = placed.column == 1 ? layout.box.left : layout.numberX(placed.column);
    double right = layout.numberX(placed.column) + layout.textWidth + layout.numberWidth;
    if (split && layout.columns % 2 == 0)
        right += (layout.textWidth + layout.numberWidth + layout.gap) * (layout.columns / 2 - 1);
    const double top = layout.rowTop(placed.row);
    canvas.printText(
        left + (right - left - canvas.textWidth(label)) * 0.5, layout.baseline(placed.row), label);
    canvas.setPenColour(canvas.font().colour);
    drawOutline(canvas, { left, top, right, top + layout.rowSpacing() });
}

} // namespace

void DoCombClues(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const model::PuzzleRecord &puzzle = page.puzzle;
    const report::InchRect box = objectBox(page, object);
    const int columns = objectColumns(object);
    // Splitting needs a column for each part.
    const bool split = object.splitColumns != 0 && columns >= 2;
    const int acrossLast = page.acrossEnd();
    const int downLast = page.numbered;
    const int largestAcross = acrossLast > 0 ? puzzle.clueNumber[acrossLast - 1] : 0;
    const int largestDown = downLast > acrossLast ? puzzle.clueNumber[downLast - 1] : 0;

    ClueColumns layout;
    CombinedLayout rows(columns, 0, split);
    std::vector<int> lengths(static_cast<std::size_t>(downLast), 0);
    const bool fits = fitObjectText(canvas, object, ListFloor, [&] {
        layout = measureClueColumns(canvas, box, columns, std::max(largestAcross, largestDown));
        rows = CombinedLayout(columns, layout.lines, split);
        bool passed = rows.place(1, acrossLast, downLast);
        for (const PlacedRow &placed : rows.rows()) {
            if (placed.entry == 0)
                continue;
            const std::string_view clue = puzzle.clues[placed.entry - 1].view();
            lengths[placed.entry - 1] = fittedClueLength(canvas, clue, layout.textWidth);
            if (clueCut(clue, lengths[placed.entry - 1]))
                passed = false;
        }
        return passed;
    });
    if (!fits)
        page.results.cluesOverflow = true;

    for (int entry = 1; entry <= downLast; ++entry)
        page.results.clueCharacters[entry - 1] = 0;
    int printed = 0;
    for (const PlacedRow &placed : rows.rows()) {
        if (placed.entry == 0) {
            printLabel(canvas, layout, placed,
                placed.acrossLabel ? page.options.acrossLabel : page.options.downLabel, split);
            continue;
        }
        const int length = lengths[placed.entry - 1];
        const double x = layout.numberX(placed.column);
        const double baseline = layout.baseline(placed.row);
        canvas.printText(x, baseline, clueNumberText(puzzle.clueNumber[placed.entry - 1]));
        canvas.printText(
            x + layout.numberWidth, baseline, puzzle.clues[placed.entry - 1].view().substr(0, length));
        page.results.clueCharacters[placed.entry - 1] = length;
        ++printed;
    }
    page.results.listMetrics[objectIndex] = layout.metrics(printed);
    drawBorder(canvas, object, box);
}

} // namespace gw::render
