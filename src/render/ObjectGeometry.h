#pragma once

#include "layout/LayoutRecord.h"
#include "render/PageContext.h"
#include "report/FontSpec.h"
#include "report/InchRect.h"

namespace gw::render {

// The object's rectangle in inches: layout pixels times the page scale, every edge held to
// the sheet, and a rectangle turned inside out taken as empty at its left or top edge.
report::InchRect objectBox(const PageContext &page, const layout::LayoutObject &object);

// A layout font as the page takes it, its size held to the sizes a page draws with.
report::FontSpec fontSpec(const layout::LayoutFont &font);

// Columns of a clue list or word list, held to the 1..9 the designer offers.
int objectColumns(const layout::LayoutObject &object);

// Where a text of the given width starts in the box: alignment 2 centres it, 3 puts it at the
// right edge, anything else at the left edge.
double alignedX(const layout::LayoutObject &object, const report::InchRect &box, double width);

} // namespace gw::render
