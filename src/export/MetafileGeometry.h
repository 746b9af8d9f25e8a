#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gw::exports {

// Metafiles are drawn in pixels of 96 per inch, the same across and down.
constexpr int MetafilePixelsPerInch = 96;

// A metafile's physical size is that of its pixels on the screen it was made for, whose
// millimetres are 1.2 times a printed inch's: 0.01 mm per inch of the sheet, times 1.2.
constexpr double PhysicalUnitsPerInch = 2540 * 1.2;

// The pixel a position in inches falls on: the whole pixels before it, counted towards zero.
// Metafile coordinates are 16-bit; a position read from a layout can lie far off the sheet,
// so it is held to that range.
inline int metafilePixel(double inches)
{
    const double pixels = std::trunc(inches * MetafilePixelsPerInch);
    if (!(pixels > std::numeric_limits<std::int16_t>::min()))
        return std::numeric_limits<std::int16_t>::min();
    if (pixels > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<int>(pixels);
}

// The size of the metafile of a sheet (in inches): pixels, and the physical size in 0.01 mm.
struct MetafileSize
{
    int width = 0;
    int height = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;

    static MetafileSize ofSheet(double sheetWidth, double sheetHeight)
    {
        const auto physical
            = [](double inches) { return static_cast<int>(std::trunc(inches * PhysicalUnitsPerInch)); };
        return { metafilePixel(sheetWidth), metafilePixel(sheetHeight), physical(sheetWidth),
            physical(sheetHeight) };
    }
};

// The description comment every metafile carries: the program that made it and what it shows.
constexpr const char *MetafileCreator = "Gridwright 98";
constexpr const char *MetafileDescription = "Crossword Puzzle";

} // namespace gw::exports
