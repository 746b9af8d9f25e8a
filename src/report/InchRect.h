#pragma once

namespace gw::report {

// A rectangle on the sheet in inches from its top-left corner; right and bottom are edges, not
// the last covered point.
struct InchRect
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }

    bool operator==(const InchRect &) const = default;
};

} // namespace gw::report
