// Writes the bundled page layout library: ready-made pages for Letter and A4 paper, built from
// the same object defaults as the built-in layout so that they print alike.  Their puzzles
// print the whole shape, its unused squares filled, so that a heart prints as a heart; one
// page keeps the skeleton puzzle (only the word squares) and says so in its name.

#include "layout/DefaultLayout.h"
#include "layout/LayoutUnits.h"
#include "platform/RecordFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace gw::layout;

// Every bundled page is drawn at the small zoom: 48 pixels per inch, 20 per centimeter.
LayoutRecord page(const std::string &name, std::string_view paper, bool portrait)
{
    LayoutRecord layout = defaultLayout();
    layout.name.assign(name);
    applyPaperSize(layout, *findPaperSize(paper));
    setOrientation(layout, portrait);
    layout.zoom = SmallZoom;
    storePagePixels(layout, SmallZoom);
    layout.objectCount = 0;
    return layout;
}

// An object as the built-in layout makes its kind, moved to the rectangle and given a text.
LayoutObject object(ObjectKind kind, PixelRect rect, std::string_view text = {}, int columns = 1)
{
    const LayoutRecord base = defaultLayout();
    LayoutObject made = base.objects[0];
    for (int slot = 0; slot < base.safeObjectCount(); ++slot) {
        if (base.objects[slot].kind == static_cast<std::int16_t>(kind))
            made = base.objects[slot];
    }
    made.kind = static_cast<std::int16_t>(kind);
    static const char *names[]
        = { "", "Title", "Puzzle", "Down Header", "Across Header", "Down Clues", "Across Clues", "Word List",
              "Bonus Question", "Combined Clues", "Text", "Bitmap", "Rectangle", "Circle" };
    made.name.assign(names[static_cast<int>(kind)]);
    made.rect = rect;
    made.setText(text);
    made.columns = static_cast<std::int16_t>(columns);
    // For the Puzzle the flag means "Skeleton Puzzle".
    if (kind == ObjectKind::Puzzle)
        made.transparent = 0;
    return made;
}

void add(LayoutRecord &layout, const LayoutObject &object)
{
    layout.objects[layout.objectCount++] = object;
}

std::vector<LayoutRecord> bundledLayouts()
{
    std::vector<LayoutRecord> layouts;

    LayoutRecord letter = page("Classic Letter", "Letter", true); // 408 x 528
    add(letter, object(ObjectKind::Title, { 48, 40, 360, 64 }));
    add(letter, object(ObjectKind::Puzzle, { 84, 70, 324, 310 }));
    add(letter, object(ObjectKind::AcrossHeader, { 48, 318, 198, 334 }, "Across"));
    add(letter, object(ObjectKind::DownHeader, { 210, 318, 360, 334 }, "Down"));
    add(letter, object(ObjectKind::AcrossClues, { 48, 338, 198, 492 }));
    add(letter, object(ObjectKind::DownClues, { 210, 338, 360, 492 }));
    layouts.push_back(letter);

    LayoutRecord a4 = page("Classic A4", "A4", true); // 420 x 594
    add(a4, object(ObjectKind::Title, { 40, 40, 380, 66 }));
    add(a4, object(ObjectKind::Puzzle, { 80, 74, 340, 334 }));
    add(a4, object(ObjectKind::AcrossHeader, { 40, 344, 205, 362 }, "Across"));
    add(a4, object(ObjectKind::DownHeader, { 215, 344, 380, 362 }, "Down"));
    add(a4, object(ObjectKind::AcrossClues, { 40, 366, 205, 556 }));
    add(a4, object(ObjectKind::DownClues, { 215, 366, 380, 556 }));
    layouts.push_back(a4);

    LayoutRecord twoColumns = page("Two Column Clues", "Letter", true);
    add(twoColumns, object(ObjectKind::Title, { 48, 32, 360, 56 }));
    add(twoColumns, object(ObjectKind::Puzzle, { 96, 62, 312, 278 }));
    add(twoColumns, object(ObjectKind::AcrossHeader, { 48, 286, 360, 300 }, "Across"));
    add(twoColumns, object(ObjectKind::AcrossClues, { 48, 302, 360, 396 }, {}, 2));
    add(twoColumns, object(ObjectKind::DownHeader, { 48, 402, 360, 416 }, "Down"));
    add(twoColumns, object(ObjectKind::DownClues, { 48, 418, 360, 496 }, {}, 2));
    layouts.push_back(twoColumns);

    LayoutRecord wordList = page("Word List", "Letter", true);
    add(wordList, object(ObjectKind::Title, { 48, 36, 360, 60 }));
    add(wordList, object(ObjectKind::Puzzle, { 72, 68, 336, 332 }));
    add(wordList,
        object(ObjectKind::Text, { 48, 340, 360, 356 }, "Fit every word of the list into the grid."));
    add(wordList, object(ObjectKind::WordList, { 48, 360, 360, 460 }, {}, 4));
    add(wordList, object(ObjectKind::BonusQuestion, { 48, 468, 360, 492 }));
    layouts.push_back(wordList);

    LayoutRecord combined = page("Combined Clues", "A4", true);
    add(combined, object(ObjectKind::Title, { 40, 36, 380, 62 }));
    add(combined, object(ObjectKind::Puzzle, { 90, 70, 330, 310 }));
    add(combined, object(ObjectKind::CombinedClues, { 40, 322, 380, 540 }, "Across:Down", 2));
    add(combined, object(ObjectKind::BonusQuestion, { 40, 548, 380, 570 }));
    layouts.push_back(combined);

    LayoutRecord landscape = page("Landscape Letter", "Letter", false); // 528 x 408
    add(landscape, object(ObjectKind::Title, { 36, 28, 492, 52 }));
    add(landscape, object(ObjectKind::Puzzle, { 36, 64, 300, 328 }));
    add(landscape, object(ObjectKind::AcrossHeader, { 316, 64, 492, 80 }, "Across"));
    add(landscape, object(ObjectKind::AcrossClues, { 316, 82, 492, 200 }));
    add(landscape, object(ObjectKind::DownHeader, { 316, 208, 492, 224 }, "Down"));
    add(landscape, object(ObjectKind::DownClues, { 316, 226, 492, 372 }));
    layouts.push_back(landscape);

    LayoutRecord skeleton = page("Skeleton Letter", "Letter", true);
    for (int slot = 0; slot < letter.objectCount; ++slot) {
        LayoutObject same = letter.objects[slot];
        if (same.kind == static_cast<std::int16_t>(ObjectKind::Puzzle))
            same.transparent = 1;
        add(skeleton, same);
    }
    layouts.push_back(skeleton);

    return layouts;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_layouts ZPFPAGE.DAT\n", stderr);
        return 2;
    }
    auto library = gw::RecordFile::create(argv[1], sizeof(LayoutRecord));
    if (!library) {
        std::fprintf(stderr, "make_layouts: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const LayoutRecord &layout : bundledLayouts()) {
        if (!library->append(&layout)) {
            std::fprintf(stderr, "make_layouts: cannot write %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
