#pragma once

#include "layout/LayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "render/PageResults.h"
#include "render/PrintOptions.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <optional>

namespace gw::render {

// What the object drawings of one page share: the print job's copy of the puzzle (drawing
// writes the fitted font sizes into its layout), the options, the page geometry and the
// results they record.
struct PageContext
{
    model::PuzzleRecord &puzzle;
    const PrintOptions &options;
    PageResults &results;
    const std::array<QImage, layout::MaxObjects> &bitmaps; // per object slot; null = none
    double scale = 0; // inches per layout pixel
    int numbered = 0; // word entries 1..numbered are numbered and drawn
    double sheetWidth = 0; // inches
    double sheetHeight = 0;
    // The size the Across and Down clue lists with Make It Fit print at, the smallest at which
    // each of them fits, so that they read alike; 0 when none fits; unknown until the first of
    // them is drawn.
    std::optional<int> clueListSize;

    // Entries 1..acrossEnd() are the across words, acrossEnd() + 1..numbered the down words.
    int acrossEnd() const { return std::clamp<int>(puzzle.acrossCount, 0, numbered); }
};

} // namespace gw::render
