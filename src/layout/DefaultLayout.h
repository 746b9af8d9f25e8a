#pragma once

#include "layout/LayoutRecord.h"

namespace gw::layout {

// The built-in layout used when the library is missing or empty: "New Page", Letter portrait
// in inches, title, puzzle, the two headers and the two clue lists.  Every byte that no field
// names is zero, so the record compares and stores the same each time it is made.
LayoutRecord defaultLayout();

} // namespace gw::layout
