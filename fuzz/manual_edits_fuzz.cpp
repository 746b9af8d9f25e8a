#include "generate/ManualEdits.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// Arbitrary bytes as a puzzle record (the rest zero) handed to the hand editor: the protected
// squares, every square's editable test, and Ok with a clue for every new word.  The record's
// counts, sizes, start cells and letter counts are all untrusted; inputs reach the placement
// arrays only with -max_len above 40573.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    auto record = std::make_unique<gw::model::PuzzleRecord>();
    std::memset(record.get(), 0, sizeof(gw::model::PuzzleRecord));
    std::memcpy(record.get(), data, std::min(size, sizeof(gw::model::PuzzleRecord)));

    const gw::generate::EditableSquares squares(*record);
    int editable = 0;
    for (int cell = -1; cell <= gw::shapes::GridCells + 1; ++cell)
        editable += squares.editable(cell) ? 1 : 0;
    const int caseSetting = editable % 4;
    (void)gw::generate::addNewWords(*record, [caseSetting](std::string_view letters) {
        return gw::generate::ClueAnswer { std::string(letters), caseSetting };
    });
    gw::generate::putInClueOrder(*record);
    return 0;
}
