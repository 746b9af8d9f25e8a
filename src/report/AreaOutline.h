#pragma once

#include "report/InchRect.h"

#include <span>
#include <vector>

namespace gw::report {

struct InchPoint
{
    double x = 0;
    double y = 0;

    bool operator==(const InchPoint &) const = default;
};

// A closed loop of corners, the last joining the first.
using Outline = std::vector<InchPoint>;

// The edges of the union of the boxes, with none where boxes meet or overlap: closed loops of
// horizontal and vertical edges, each going round with the area on its right as the page lies
// (clockwise round the area, counter-clockwise round a hole), so that filling them by either
// rule covers the union.  Corners are the boxes' own coordinates; empty boxes add nothing.
std::vector<Outline> areaOutlines(std::span<const InchRect> boxes);

} // namespace gw::report
