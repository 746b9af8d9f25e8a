#pragma once

#include <cstdint>
#include <string>

namespace gw::report {

// Point sizes a page draws with; sizes read from records are held to this range so that no
// font is empty and none is larger than any sheet.
constexpr int MinPointSize = 1;
constexpr int MaxPointSize = 500;

constexpr int clampedPointSize(int points)
{
    return points < MinPointSize ? MinPointSize : (points > MaxPointSize ? MaxPointSize : points);
}

// A font as the page is told it: the seven attributes of a layout font.  The face name is
// Windows-1252, as the records hold it.
struct FontSpec
{
    std::string name;
    int size = 12; // points
    std::uint32_t colour = 0; // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const FontSpec &) const = default;
};

} // namespace gw::report
