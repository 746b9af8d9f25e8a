#include "render/ClueLists.h"

#include "render/ClueColumns.h"
#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

#include <vector>

namespace gw::render {

void DoClues(PageContext &page, report::PageCanvas &canvas, int objectIndex, bool across)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const model::PuzzleRecord &puzzle = page.puzzle;
    const report::InchRect box = objectBox(page, object);
    const int columns = objectColumns(object);
    const int first = across ? 1 : page.acrossEnd() + 1;
    const int last = across ? page.acrossEnd() : page.numbered;
    const int count = last - first + 1;
    const int largestNumber = count > 0 ? puzzle.clueNumber[last - 1] : 0;

    ClueColumns layout;
    std::vector<int> lengths(static_cast<std::size_t>(std::max(count, 0)));
    int fitting = 0;
    const bool fits = fitObjectText(canvas, object, ListFloor, [&] {
        layout = measureClueColumns(canvas, box, columns, largestNumber);
        const int capacity = std::max(layout.lines, 0) * columns;
        bool passed = true;
        fitting = 0;
        for (int j = 0; j < count; ++j) {
            if (j >= capacity)
                return false;
            const std::string_view clue = puzzle.clues[first + j - 1].view();
            lengths[j] = fittedClueLength(canvas, clue, layout.textWidth);
            if (clueCut(clue, lengths[j]))
                passed = false;
            fitting = j + 1;
        }
        return passed;
    });
    if (!fits)
        page.results.cluesOverflow = true;

    for (int j = 0; j < count; ++j) {
        const int entry = first + j;
        page.results.clueCharacters[entry - 1] = j < fitting ? lengths[j] : 0;
        if (j >= fitting)
            continue;
        const int column = j / layout.lines + 1;
        const int row = j % layout.lines + 1;
        const double x = layout.numberX(column);
        const double baseline = layout.baseline(row);
        canvas.printText(x, baseline, clueNumberText(puzzle.clueNumber[entry - 1]));
        canvas.printText(
            x + layout.numberWidth, baseline, puzzle.clues[entry - 1].view().substr(0, lengths[j]));
    }
    page.results.listMetrics[objectIndex] = layout.metrics(fitting);
    drawBorder(canvas, object, box);
}

} // namespace gw::render
