#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// Draws the grid object in slot objectIndex (from 0) of the job's layout: filled boxes, answer
// cells, outlines, clue numbers and the letters the options ask for.  Writes the object's
// fitted answer size.
void DoPuzz(PageContext &page, report::PageCanvas &canvas, int objectIndex);

// The point size for the letters of cells cellWidth inches wide: from startSize down to 5, the
// first at which "W" is narrower than the cell, else 4; a start of 4 or less is kept.  The
// canvas is left at the last size tried.
int FitLetterSize(report::PageCanvas &canvas, int startSize, double cellWidth);

} // namespace gw::render
