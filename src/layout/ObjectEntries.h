#pragma once

#include "layout/LayoutRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gw::layout {

// What the object property dialogs read from their boxes and write into them.  Box texts are
// Windows-1252; blanks (byte 32) at both ends are ignored.

// A decimal number such as "1.25" or "-3"; nothing for an empty box, trailing characters or a
// value that is not finite.
std::optional<double> readDecimal(std::string_view box);

// A whole number such as "4"; nothing for an empty box or trailing characters.
std::optional<int> readWholeNumber(std::string_view box);

// A coordinate or a size in layout pixels shown in the layout's unit, with three decimals:
// "1.000".  Sizes are differences of two coordinates and may lie outside the int32 range.
std::string unitsText(double pixels, double pixelsPerUnit);

// A value in units as layout pixels: rounded to the nearest, halves to the even neighbour, and
// held to the int32 range.
std::int32_t unitsToPixels(double units, double pixelsPerUnit);

// The rectangle of a typed position and size: right = left + the rounded width, bottom likewise;
// sums are held to the int32 range.
PixelRect rectangleFromUnits(double left, double top, double width, double height, double pixelsPerUnit);

// Split Columns makes the column count even: v becomes 2 x (v / 2), so 3 gives 2 and 1 gives 0;
// an empty or unreadable box, or 0, gives 2.
std::string splitColumnsText(std::string_view box);

} // namespace gw::layout
