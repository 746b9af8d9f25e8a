#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// Prints the text of the free text object in slot objectIndex (from 0), wrapped into lines
// that are spaced by the measuring string's height.  The object takes the page's next text
// number, under which its lines and overflow flag are kept.
void DoText(PageContext &page, report::PageCanvas &canvas, int objectIndex);

} // namespace gw::render
