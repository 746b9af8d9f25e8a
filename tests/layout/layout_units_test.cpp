#include "layout/DefaultLayout.h"
#include "layout/LayoutUnits.h"
#include "layout/ObjectEntries.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace gw::layout {
namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();

LayoutRecord layoutWithRect(PixelRect rect)
{
    LayoutRecord layout {};
    layout.objectCount = 1;
    layout.objects[0].rect = rect;
    return layout;
}

// Fields of the packed record are copied out before they are compared: a reference to one
// could be misaligned.
using Size = std::array<double, 2>;
Size pageSize(const LayoutRecord &layout)
{
    return { layout.pageWidth, layout.pageHeight };
}
using Pixels = std::array<int, 2>;
Pixels pagePixelsOf(const LayoutRecord &layout)
{
    return { layout.pageWidthPixels, layout.pageHeightPixels };
}

using Corners = std::array<std::int32_t, 4>;
Corners corners(const PixelRect &rect)
{
    return { rect.left, rect.top, rect.right, rect.bottom };
}

// A zoom of 0 is read from the page size in pixels, which was taken at the objects' zoom: the
// built-in layout is at the small zoom, not at whatever zoom the designer happens to use.
TEST(LayoutUnits, ZoomZeroIsTheZoomOfItsPagePixels)
{
    LayoutRecord layout = defaultLayout();
    const auto zoomWith = [&](int stored, double width, int widthPixels, int heightPixels) {
        layout.zoom = static_cast<std::int16_t>(stored);
        layout.pageWidth = width;
        layout.pageWidthPixels = static_cast<std::int16_t>(widthPixels);
        layout.pageHeightPixels = static_cast<std::int16_t>(heightPixels);
        return pixelZoom(layout);
    };
    EXPECT_EQ((std::array { zoomWith(0, 8.5, 408, 528), zoomWith(0, 8.5, 612, 792),
                  zoomWith(0, 8.5, 816, 1056), zoomWith(2, 8.5, 408, 528), zoomWith(0, 8.5, 500, 528),
                  zoomWith(0, NaN, 0, 0), zoomWith(9, 8.5, 408, 528) }),
        (std::array { 1, 2, 3, 2, 0, 0, 1 }));
}

// Rescaling truncates toward zero: large to small loses half a pixel on odd coordinates.
TEST(LayoutUnits, RescaleTruncatesTheObjectsInUse)
{
    LayoutRecord layout = layoutWithRect({ 97, 51, -3, 0 });
    layout.objects[1].rect = { 99, 99, 99, 99 };
    rescaleForZoom(layout, LargeZoom, SmallZoom);
    EXPECT_EQ(corners(layout.objects[0].rect), (Corners { 48, 25, -1, 0 }));
    EXPECT_EQ(corners(layout.objects[1].rect), (Corners { 99, 99, 99, 99 }));
    rescaleForZoom(layout, 0, LargeZoom);
    EXPECT_EQ(corners(layout.objects[0].rect), (Corners { 48, 25, -1, 0 }));
}

// A hostile object count never reaches past the 20 slots, and no coordinate overflows.
TEST(LayoutUnits, UntrustedCountsAndValuesStayInBounds)
{
#pragma pack(push, 1)
    struct Guarded
    {
        LayoutRecord layout;
        std::array<std::uint8_t, 64> guard;
    } guarded {};
#pragma pack(pop)
    guarded.guard.fill(0xAB);
    guarded.layout.objectCount = 30000;
    for (LayoutObject &object : guarded.layout.objects)
        object.rect = { Max32, Min32, 5, -5 };
    rescaleForZoom(guarded.layout, SmallZoom, LargeZoom);
    for (const LayoutObject &object : guarded.layout.objects)
        EXPECT_EQ(corners(object.rect), (Corners { Max32, Min32, 10, -10 }));
    for (std::uint8_t byte : guarded.guard)
        EXPECT_EQ(byte, 0xAB);

    EXPECT_EQ(truncatedCoordinate(NaN), 0);
    EXPECT_EQ(pagePixels(NaN, 48), 0);
    EXPECT_EQ(pagePixels(1e9, 96), 32767);
    EXPECT_EQ(pagePixels(-1e9, 96), -32768);
    EXPECT_TRUE(std::isnan(truncatedToHundredths(NaN)));
}

// A unit switch converts rectangles and page size; switching to the same unit changes nothing.
TEST(LayoutUnits, ChangeUnitConvertsRectanglesAndPageSize)
{
    LayoutRecord a4 = layoutWithRect({ 127, 254, 100, -127 });
    a4.pageWidth = 21.0;
    a4.pageHeight = 29.7;
    changeUnit(a4, true);
    EXPECT_EQ(a4.unitInches, 1);
    EXPECT_EQ(pageSize(a4), (Size { 8.26, 11.69 }));
    EXPECT_EQ(corners(a4.objects[0].rect), (Corners { 120, 240, 94, -120 }));
    changeUnit(a4, true);
    EXPECT_EQ(pageSize(a4)[0], 8.26);

    LayoutRecord letter = defaultLayout();
    changeUnit(letter, false);
    EXPECT_EQ(letter.unitInches, 0);
    EXPECT_EQ(pageSize(letter), (Size { 21.59, 27.94 }));
    EXPECT_EQ(corners(letter.objects[0].rect), (Corners { 50, 50, 381, 76 }));
}

// Paper sizes set size, unit and orientation but never move rectangles; A4 small is 420 x 594.
TEST(LayoutUnits, PaperSizesAndOrientation)
{
    LayoutRecord layout = layoutWithRect({ 10, 20, 30, 40 });
    layout.portrait = 1;
    applyPaperSize(layout, *findPaperSize("A4"));
    storePagePixels(layout, SmallZoom);
    EXPECT_EQ(pagePixelsOf(layout), (Pixels { 420, 594 }));
    EXPECT_EQ(layout.unitInches, 0);

    setOrientation(layout, false);
    applyPaperSize(layout, *findPaperSize("Executive"));
    EXPECT_EQ(layout.paperName, "Executive");
    EXPECT_EQ(pageSize(layout), (Size { 10.5, 7.25 }));
    EXPECT_EQ(layout.unitInches, 1);
    setOrientation(layout, true);
    setOrientation(layout, true);
    EXPECT_EQ(pageSize(layout)[0], 7.25);
    applyPaperSize(layout, *findPaperSize("Custom"));
    EXPECT_EQ(pageSize(layout)[0], 7.25);
    EXPECT_EQ(corners(layout.objects[0].rect), (Corners { 10, 20, 30, 40 }));
}

// Custom sizes accept their limits and refuse the rest, not-a-number included, with exact texts.
TEST(LayoutUnits, CustomLimits)
{
    EXPECT_TRUE(checkCustomWidth(3, true) && checkCustomWidth(12, true) && checkCustomHeight(4, true)
        && checkCustomHeight(18, true) && checkCustomWidth(7, false) && checkCustomWidth(31, false)
        && checkCustomHeight(10, false) && checkCustomHeight(46, false));
    EXPECT_EQ(checkCustomWidth(NaN, false).error(),
        (Failure { "Error", "Width must be between 7 and 31 centimeters.  Please re-enter width." }));
    EXPECT_EQ(checkCustomHeight(3.99, true).error().text,
        "Height must be between 4 and 18 inches.  Please re-enter height.");
    EXPECT_EQ(checkCustomHeight(46.01, false).error().text,
        "Height must be between 10 and 46 centimeters.  Please re-enter height.");
}

// Boxes are read whole: blanks at the ends are ignored, anything else left over refuses them.
TEST(ObjectEntries, ReadsWholeBoxesOnly)
{
    EXPECT_EQ(readDecimal(" 1.25 "), 1.25);
    for (const char *refused : { "   ", "1.2x", "1e999", "nan" })
        EXPECT_FALSE(readDecimal(refused)) << refused;
    EXPECT_EQ(readWholeNumber(" 4 "), 4);
    for (const char *refused : { "4.5", "-", "99999999999" })
        EXPECT_FALSE(readWholeNumber(refused)) << refused;
}

// Halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; 0.001 inch at 48 is 0 pixels.
TEST(ObjectEntries, RoundsHalvesToEven)
{
    EXPECT_EQ(unitsToPixels(0.5, 1), 0);
    EXPECT_EQ(unitsToPixels(1.5, 1), 2);
    EXPECT_EQ(unitsToPixels(2.5, 1), 2);
    EXPECT_EQ(unitsToPixels(-1.5, 1), -2);
    EXPECT_EQ(unitsToPixels(0.001, 48), 0);
    EXPECT_EQ(unitsToPixels(1.0e12, 96), 2147483647);
}

// right = left + round(width x p): the sides round on their own, not the far edge.
TEST(ObjectEntries, BuildsTheRectangleFromPositionAndSize)
{
    EXPECT_EQ(corners(rectangleFromUnits(1.0, 0.5, 2.0, 0.25, 48)), (Corners { 48, 24, 144, 36 }));
    // Rounding the far edge instead would make 0.25 + 0.25 at 2 a unit 1 pixel, not 0 + 0.
    EXPECT_EQ(corners(rectangleFromUnits(0.25, 0, 0.25, 0, 2)), (Corners { 0, 0, 0, 0 }));
    const PixelRect huge = rectangleFromUnits(1.0e9, 0, 1.0e9, 1, 96);
    EXPECT_EQ(int(huge.right), 2147483647);
}

} // namespace
} // namespace gw::layout
