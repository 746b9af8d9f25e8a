#include "layout/DefaultLayout.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace gw::layout {

namespace {

constexpr std::uint32_t Black = 0x00000000;
constexpr std::uint32_t White = 0x00FFFFFF;

LayoutObject defaultObject(ObjectKind kind, std::string_view name, PixelRect rect)
{
    LayoutObject object {};
    object.kind = static_cast<std::int16_t>(kind);
    object.name.assign(name);
    object.rect = rect;
    object.textFont.face.assign("Arial");
    object.textFont.size = 12;
    object.textFont.colour = Black;
    object.alignment = 2;
    object.transparent = 1;
    object.makeItFit = 1;
    object.fillInShape = 0;
    object.fillColour = kind == ObjectKind::Puzzle ? Black : White;
    object.borderColour = Black;
    object.useBorder = 0;
    object.borderWidth = 1;
    return object;
}

} // namespace

LayoutRecord defaultLayout()
{
    LayoutRecord layout {};
    layout.name.assign("New Page");
    layout.paperName.assign("Letter");
    layout.pageWidth = 8.5;
    layout.pageHeight = 11;
    // Taken at 48 pixels per inch, though the zoom field stays 0 (unknown).
    layout.pageWidthPixels = 408;
    layout.pageHeightPixels = 528;
    layout.unitInches = 1;
    layout.portrait = 1;
    layout.zoom = 0;

    LayoutObject puzzle = defaultObject(ObjectKind::Puzzle, "Puzzle", { 96, 76, 312, 292 });
    puzzle.numberFont.face.assign("Arial");
    puzzle.numberFont.size = 5;
    puzzle.numberFont.colour = Black;
    puzzle.numberHorizontal = 1;
    puzzle.blockColour = White;
    puzzle.lineColour = Black;
    puzzle.lineWidth = 1;

    LayoutObject acrossClues = defaultObject(ObjectKind::AcrossClues, "Across Clues", { 48, 316, 192, 484 });
    acrossClues.columns = 1;
    LayoutObject downClues = defaultObject(ObjectKind::DownClues, "Down Clues", { 216, 316, 360, 484 });
    downClues.columns = 1;

    const LayoutObject objects[] = {
        defaultObject(ObjectKind::Title, "Title", { 48, 48, 360, 72 }),
        puzzle,
        defaultObject(ObjectKind::AcrossHeader, "Across Header", { 48, 297, 192, 312 }),
        defaultObject(ObjectKind::DownHeader, "Down Header", { 216, 297, 360, 312 }),
        acrossClues,
        downClues,
    };
    layout.objectCount = static_cast<std::int16_t>(std::size(objects));
    std::copy(std::begin(objects), std::end(objects), layout.objects);
    return layout;
}

} // namespace gw::layout
