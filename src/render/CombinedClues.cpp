#include "render/CombinedClues.h"

#include "render/ClueColumns.h"
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
    WrappedClues wrapped;
    std::vector<PlacedRow> placed;
    const bool fits = fitObjectText(canvas, object, ListFloor, [&] {
        layout = measureClueColumns(canvas, box, columns, std::max(largestAcross, largestDown));
        wrapped = wrapClues(canvas, puzzle, 1, downLast, layout);
        ClueRows rows(columns, layout.lines, wrapped.rows);
        const bool passed = rows.placeCombined(1, acrossLast, downLast, split);
        placed = rows.rows();
        return passed;
    });
    if (!fits)
        page.results.cluesOverflow = true;

    for (int entry = 1; entry <= downLast; ++entry) {
        page.results.clueCharacters[entry - 1] = 0;
        page.results.clueLines[entry - 1] = 0;
    }
    int printed = 0;
    for (const PlacedRow &row : placed) {
        if (row.entry == 0) {
            printLabel(canvas, layout, row,
                row.acrossLabel ? page.options.acrossLabel : page.options.downLabel, split);
            continue;
        }
        printClueEntry(canvas, puzzle, layout, row, wrapped, page.results);
        ++printed;
    }
    page.results.listMetrics[objectIndex] = layout.metrics(printed);
    drawBorder(canvas, object, box);
}

} // namespace gw::render
