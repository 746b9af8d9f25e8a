#pragma once

// What the crossword file fuzzers share: the bytes are either refused with a reason or become a
// puzzle the program can list, edit and print.  All in memory: the file around the bytes adds
// nothing to fuzz but slows each run down to a crawl.
#include "layout/DefaultLayout.h"
#include "model/CrosswordImport.h"
#include "model/PuzzleText.h"
#include "shapes/ShapeRecord.h"

#include <cstdlib>
#include <string_view>

namespace gw::fuzz {

template <typename Reader> void importCrossword(std::string_view bytes, Reader read)
{
    static const layout::LayoutRecord pageLayout = layout::defaultLayout();
    const auto crossword = read(bytes);
    if (!crossword)
        return;
    const auto puzzle = model::puzzleFromCrossword(*crossword, model::ImportedCategory, "Fuzzed", pageLayout);
    if (!puzzle)
        return;
    const model::PuzzleRecord &record = **puzzle;
    // An accepted crossword must fit the records the rest of the program trusts.
    const int width = record.width, height = record.height, words = record.wordCount;
    if (width < 1 || width > shapes::MaxDesignedSide || height < 1 || height > shapes::MaxDesignedSide
        || words < 0 || words > model::MaxWords)
        std::abort();
    (void)model::puzzleAsText(record);
}

} // namespace gw::fuzz
