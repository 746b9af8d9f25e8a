#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/SelectionMemory.h"
#include "platform/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

// Arbitrary bytes as a collection file: the lists are loaded and shown, a puzzle of each
// category is reselected, and every listed record is read.  Inputs reach whole records only
// with -max_len above 69623.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("gw_collection_fuzz_" + std::to_string(::getpid()) + ".zp3");
    if (!gw::writeFileBytes(path, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;

    const gw::model::CollectionLists lists = gw::model::CollectionLists::load(path);
    gw::model::SelectionMemory memory;
    const auto categories = lists.categoryLines();
    for (const gw::model::CollectionLine &category : categories) {
        const auto puzzles = lists.puzzleLines(category.tag);
        memory.rememberAfterDelete(category.text, puzzles, puzzles.size() / 2);
        if (memory.categoryLine(categories))
            (void)memory.takePuzzleLine(puzzles);
    }
    for (const gw::model::CollectionPuzzle &puzzle : lists.puzzles())
        (void)gw::model::readPuzzle(path, puzzle.recordNumber, gw::model::unableToLoadPuzzle());
    return 0;
}
