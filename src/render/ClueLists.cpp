#include "render/ClueLists.h"

#include "render/ClueColumns.h"
#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

#include <algorithm>

namespace gw::render {

namespace {

using layout::ObjectKind;

// A clue list fitted to its box: the columns, the wrapped clues and where each entry goes.
struct FittedList
{
    ClueColumns layout;
    WrappedClues wrapped;
    std::vector<PlacedRow> placed;
    bool fits = false;
};

FittedList fitList(PageContext &page, report::PageCanvas &canvas, int objectIndex, bool across, int sizeLimit)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const int first = across ? 1 : page.acrossEnd() + 1;
    const int last = across ? page.acrossEnd() : page.numbered;
    const int largestNumber = last >= first ? page.puzzle.clueNumber[last - 1] : 0;
    const report::InchRect box = objectBox(page, object);
    const int columns = objectColumns(object);

    FittedList fitted;
    fitted.fits = fitObjectText(
        canvas, object, ListFloor,
        [&] {
            fitted.layout = measureClueColumns(canvas, box, columns, largestNumber);
            fitted.wrapped = wrapClues(canvas, page.puzzle, first, last, fitted.layout);
            ClueRows rows(columns, fitted.layout.lines, fitted.wrapped.rows);
            const bool placed = rows.placeList(first, last);
            fitted.placed = rows.rows();
            return placed;
        },
        sizeLimit);
    return fitted;
}

// The smallest size at which an Across or Down clue list of the page fits.  A list that fits
// at no size is reported instead, and leaves the others at a size that can be read.
int smallestListSize(PageContext &page, report::PageCanvas &canvas)
{
    int smallest = 0;
    for (int slot = 0; slot < page.puzzle.layout.safeObjectCount(); ++slot) {
        const auto kind = static_cast<ObjectKind>(page.puzzle.layout.objects[slot].kind);
        if (kind != ObjectKind::AcrossClues && kind != ObjectKind::DownClues)
            continue;
        if (!fitList(page, canvas, slot, kind == ObjectKind::AcrossClues, 0).fits)
            continue;
        const int size = page.puzzle.layout.objects[slot].fittedFontSize;
        smallest = smallest == 0 ? size : std::min(smallest, size);
    }
    return smallest;
}

} // namespace

void DoClues(PageContext &page, report::PageCanvas &canvas, int objectIndex, bool across)
{
    if (!page.clueListSize)
        page.clueListSize = smallestListSize(page, canvas);
    const FittedList fitted = fitList(page, canvas, objectIndex, across, *page.clueListSize);
    if (!fitted.fits)
        page.results.cluesOverflow = true;

    const int first = across ? 1 : page.acrossEnd() + 1;
    const int last = across ? page.acrossEnd() : page.numbered;
    for (int entry = first; entry <= last; ++entry) {
        page.results.clueCharacters[entry - 1] = 0;
        page.results.clueLines[entry - 1] = 0;
    }
    for (const PlacedRow &placed : fitted.placed)
        printClueEntry(canvas, page.puzzle, fitted.layout, placed, fitted.wrapped, page.results);
    page.results.listMetrics[objectIndex] = fitted.layout.metrics(static_cast<int>(fitted.placed.size()));
    drawBorder(canvas, page.puzzle.layout.objects[objectIndex], fitted.layout.box);
}

} // namespace gw::render
