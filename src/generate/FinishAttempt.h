#pragma once

#include "generate/AttemptPlacer.h"
#include "generate/BestFitSlots.h"
#include "generate/OrderedWords.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace gw::generate {

// Writes a placed attempt into a slot as a whole puzzle record: the snapshot with the grid
// marked (0 outside the shape), the placed words first in clue order (across words by clue
// number, then down words), counts and clue numbers set, and, when shrinking, the empty rows
// and columns cut off.  The words left out follow in their ordered sequence; their placement
// entries are cleared.
void finishAttempt(const model::PuzzleRecord &snapshot, const shapes::ShapeRecord &shape,
    const OrderedWords &words, const AttemptPlacer &placer, bool shrink, BestFitSlot &slot);

} // namespace gw::generate
