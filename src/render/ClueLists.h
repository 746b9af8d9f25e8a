#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// Prints the across or the down clues, each as its number and as much of its clue as fits,
// in the columns of the object in slot objectIndex (from 0).  Clues that do not fit raise
// the clues overflow flag.
void DoClues(PageContext &page, report::PageCanvas &canvas, int objectIndex, bool across);

} // namespace gw::render
