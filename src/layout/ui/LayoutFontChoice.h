#pragma once

#include "layout/LayoutRecord.h"
#include "ui/ChoiceDialogs.h"

namespace gw::layout {

// The font and colour a layout font names, for the font dialog to open on.
app::FontChoice layoutFontChoice(const LayoutFont &font);

// Face (cut to 30 characters), size in points, colour and the four styles of a chosen font.
void storeLayoutFont(LayoutFont &font, const app::FontChoice &chosen);

} // namespace gw::layout
