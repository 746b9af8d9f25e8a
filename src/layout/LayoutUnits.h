#pragma once

#include "layout/LayoutRecord.h"
#include "platform/Failure.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace gw::layout {

// Designer zoom levels as stored at header offset 66; 0 there means unknown.
constexpr int SmallZoom = 1;
constexpr int MediumZoom = 2;
constexpr int LargeZoom = 3;

// The unit byte at header offset 62: 1 = inches, 0 = centimeters; any other value counts as
// inches, so a record read from a file always has one unit.
bool isInches(const LayoutRecord &layout);

// Layout pixels per inch (48, 72, 96) or per centimeter (20, 30, 40) at a zoom level; any
// zoom other than 1..3 counts as medium.
int pixelsPerUnit(bool inches, int zoom);

// The factor that carries rectangles taken at one zoom to another: 1.5, 2.0, 0.667, 1.334, 0.5
// or 0.75.  These are rounded ratios, kept so that layouts rescale as they always have.  1.0
// when the levels are equal or either lies outside 1..3.
double zoomRescaleFactor(int fromZoom, int toZoom);

// A coordinate truncated toward zero and held to the int32 range; not a number gives 0.
std::int32_t truncatedCoordinate(double value);

// Multiplies every rectangle coordinate of the objects in use by the factor, truncating.
void rescaleRectangles(LayoutRecord &layout, double factor);

// Rescales the rectangles from one zoom level to another; the stored zoom is left as it is.
void rescaleForZoom(LayoutRecord &layout, int fromZoom, int toZoom);

// The zoom level the layout's pixel values were taken at: the stored level when it is 1..3.
// A record stored with 0 (unknown) still carries its page size in pixels, taken at the same
// zoom as its objects, and so tells the level whose pixels per unit give that page size: the
// built-in layout, and layouts of puzzles made while the library was missing, are at the small
// zoom.  0 when the record tells neither.
int pixelZoom(const LayoutRecord &layout);

// (value x 100) truncated toward zero, divided by 100: the two decimals the page size keeps.
double truncatedToHundredths(double value);

// Switches the unit: rectangles by 0.9448818897637795 (to inches) or 1.0583333333333333 (to
// centimeters), truncated; the page size by 0.3937007874015748 or 2.54, to two decimals.
// Nothing changes when the layout already has that unit.
void changeUnit(LayoutRecord &layout, bool toInches);

// Truncated size x pixels per unit, held to the int16 range of the header fields.
std::int16_t pagePixels(double size, int pixelsPerUnit);

// Stores the page size in layout pixels at the zoom (header offsets 58 and 60).
void storePagePixels(LayoutRecord &layout, int zoom);

constexpr std::string_view CustomPaperName = "Custom";

// A paper size of the designer's list: portrait width and height in its own unit, and whether
// the designer warns that some printers do not support odd sized pages.  Custom has no size of
// its own: its width, height and unit are typed.
struct PaperSize
{
    std::string_view name;
    double width;
    double height;
    bool inches;
    bool warnOddSize;
};

// Letter, Legal, A4, A5, B5, Executive and Custom, in the order of the designer's list.
std::span<const PaperSize> paperSizes();
// Exact match of the name; nothing for a name the list does not hold.
const PaperSize *findPaperSize(std::string_view name);

// Sets the paper name and, but for Custom, the unit and the page size as oriented.
void applyPaperSize(LayoutRecord &layout, const PaperSize &paper);
// A landscape page has its long side as its width: a change of orientation swaps the two.
void setOrientation(LayoutRecord &layout, bool portrait);

// Custom page sizes, limits included: width 3..12 and height 4..18 inches, or width 7..31 and
// height 10..46 centimeters.
struct CustomLimits
{
    int minWidth;
    int maxWidth;
    int minHeight;
    int maxHeight;
};
CustomLimits customLimits(bool inches);
Status checkCustomWidth(double width, bool inches);
Status checkCustomHeight(double height, bool inches);

} // namespace gw::layout
