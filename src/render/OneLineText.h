#pragma once

#include "render/PageContext.h"
#include "report/PageCanvas.h"

#include <string_view>

namespace gw::render {

// Prints the text (Windows-1252) on one line in the object in slot objectIndex (from 0):
// aligned across, centred down, shrunk to fit down to 2 points when the object asks for it.
// Text that does not fit is printed as it is and raises no warning.
void DoTextLine(PageContext &page, report::PageCanvas &canvas, int objectIndex, std::string_view text);

} // namespace gw::render
