#pragma once

#include "generate/BestFitSlots.h"
#include "generate/BuildObserver.h"
#include "generate/BuildOptions.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

#include <cstdint>

namespace gw::generate {

struct BuildOutcome
{
    int attemptCounter = 0; // the attempt the run ended on; the requested count after an early end
    bool aborted = false;

    bool operator==(const BuildOutcome &) const = default;
};

// Fits the words of the working record into the usable cells of the shape over the requested
// number of creation attempts and keeps the four best attempts, ranked by words placed, in
// the slots.  The working record is not changed.  The seed is normally timeOfDaySeed().
// The observer may be null.
BuildOutcome BuildPuzzles(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape,
    const BuildOptions &options, std::uint32_t seed, BestFitSlots &slots, BuildObserver *observer);

} // namespace gw::generate
