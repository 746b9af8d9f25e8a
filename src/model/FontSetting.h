#pragma once

#include <string>

namespace gw::model {

// One of the three user fonts as the settings keep it; the windows build the real font from
// it.  Sizes are not kept.
struct FontSetting
{
    std::string name;
    bool bold = false;
    bool italic = false;
    int colour = 0; // Windows colour value 0x00BBGGRR

    bool operator==(const FontSetting &) const = default;
};

} // namespace gw::model
