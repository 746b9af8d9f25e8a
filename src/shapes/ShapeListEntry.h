#pragma once

#include <string>

namespace gw::shapes {

// One line of a list of shapes: "15x13 Diamond" and the library record it stands for.  Lines
// may repeat; only the record number tells two shapes of the same size and title apart.
struct ShapeListEntry
{
    std::string text;
    int record = 0;

    bool operator==(const ShapeListEntry &) const = default;
};

} // namespace gw::shapes
