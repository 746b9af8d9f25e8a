#pragma once

// What the crossword file fuzzers share: the bytes as a file of the given extension are either
// refused, writing nothing, or become one puzzle of the collection, which then lists and shows.
#include "layout/DefaultLayout.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/CrosswordImport.h"
#include "model/PuzzleText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace gw::fuzz {

inline void importCrossword(const std::string &bytes, const std::string &extension)
{
    static const std::string stem = "gw_crossword_fuzz_" + std::to_string(::getpid());
    static const std::filesystem::path directory = std::filesystem::temp_directory_path();
    static const layout::LayoutRecord pageLayout = layout::defaultLayout();
    const std::filesystem::path file = directory / (stem + extension);
    const std::filesystem::path collection = directory / (stem + ".ZP3");
    // A plain write: the program's own writer makes every file durable, which would slow the
    // fuzzer down to a crawl.
    if (!(std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes))
        return;
    const auto added = model::importCrosswordFile(file, collection, model::ImportedCategory, pageLayout);
    std::error_code error;
    if (static_cast<bool>(added) != std::filesystem::exists(collection, error))
        std::abort(); // a refused file wrote, or an accepted one did not
    if (added) {
        const model::CollectionLists lists = model::CollectionLists::load(collection);
        if (lists.puzzles().size() != 1)
            std::abort();
        const auto record = model::readPuzzle(collection, 0, {});
        if (!record)
            std::abort();
        (void)model::puzzleAsText(*record);
    }
    std::filesystem::remove(collection, error);
}

} // namespace gw::fuzz
