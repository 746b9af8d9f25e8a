#pragma once

#include "layout/LayoutRecord.h"

#include <QFont>

namespace gw::layout {

// The font a layout font names, for a font dialog to open on.
QFont qtLayoutFont(const LayoutFont &font);

// Face (cut to 30 characters), size in points and the four styles of a chosen font; the
// colour stays, as the font dialog offers none.
void storeLayoutFont(LayoutFont &font, const QFont &chosen);

} // namespace gw::layout
