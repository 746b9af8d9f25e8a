#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// Prints the across or the down clues in the columns of the object in slot objectIndex (from
// 0), each as its number and its clue, a clue too wide for its column going on over more
// lines.  Every Across and Down clue list with "Make It Fit" prints at the size the smallest of
// the page's clue lists needs.  Entries that do not fit raise the clues overflow flag.
void DoClues(PageContext &page, report::PageCanvas &canvas, int objectIndex, bool across);

} // namespace gw::render
