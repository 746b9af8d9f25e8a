#pragma once

#include "model/PuzzleRecord.h"

#include <cstdint>

namespace gw::generate {

// One ranked result of a run.  A slot whose wordsPlaced is 0 is empty: its record is left
// over from an earlier run and must be neither shown nor saved.
struct BestFitSlot
{
    std::int32_t wordsPlaced = 0;
    model::PuzzleRecord record;
    std::uint8_t placedFlags[model::MaxWords]; // 1 for entries 1..wordsPlaced, 0 after
};

// The four best results of the last run, best first.  About 280 KB: the owner allocates it
// once and every run reuses it.
struct BestFitSlots
{
    static constexpr int Count = 4;
    BestFitSlot slots[Count];
};

} // namespace gw::generate
