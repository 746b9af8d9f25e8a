#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// The rectangle or circle object in slot objectIndex (from 0): its fill, then its border.
void DoRect(PageContext &page, report::PageCanvas &canvas, int objectIndex);

// The bitmap object in slot objectIndex (from 0): its picture stretched into the box and its
// border, or, with "Tile Bitmap", the picture repeated at the box's size over the whole sheet
// from its top-left corner.
void DoBitmap(PageContext &page, report::PageCanvas &canvas, int objectIndex);

} // namespace gw::render
