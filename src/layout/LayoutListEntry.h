#pragma once

#include <string>

namespace gw::layout {

// One line of a list of layouts, "Page (Letter)", and the library record it stands for.
// Lines may repeat; only the record number tells such layouts apart.
struct LayoutListEntry
{
    std::string text;
    int record = 0;

    bool operator==(const LayoutListEntry &) const = default;
};

} // namespace gw::layout
