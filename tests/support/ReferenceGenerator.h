#pragma once

#include "generate/Generator.h"

namespace gw::generate::reference {

// A deliberately literal generator: 1-based loops, exchange sorts and full scans exactly in
// the order the placement rules are stated, with no shortcut.  Slow; the tests and the
// benchmark hold the production BuildPuzzles against it byte for byte.
BuildOutcome BuildPuzzles(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape,
    const BuildOptions &options, std::uint32_t seed, BestFitSlots &slots, BuildObserver *observer);

} // namespace gw::generate::reference
