#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

namespace gw::render {

// Prints the across clues and then the down clues in one set of columns of the object in slot
// objectIndex (from 0), each part under its boxed label.  With "Split Columns" the down part
// starts at the top of the second half of the columns and each label spans its half.
void DoCombClues(PageContext &page, report::PageCanvas &canvas, int objectIndex);

} // namespace gw::render
