#include "layout/ObjectEntries.h"

#include <gtest/gtest.h>

using namespace gw::layout;

// Boxes are read whole: blanks at the ends are ignored, anything else left over refuses them.
TEST(ObjectEntries, ReadsWholeBoxesOnly)
{
    EXPECT_EQ(readDecimal(" 1.25 "), 1.25);
    EXPECT_EQ(readDecimal("-3"), -3.0);
    EXPECT_FALSE(readDecimal(""));
    EXPECT_FALSE(readDecimal("   "));
    EXPECT_FALSE(readDecimal("1.2x"));
    EXPECT_FALSE(readDecimal("a"));
    EXPECT_FALSE(readDecimal("1e999"));
    EXPECT_FALSE(readDecimal("nan"));
    EXPECT_EQ(readWholeNumber(" 4 "), 4);
    EXPECT_FALSE(readWholeNumber("4.5"));
    EXPECT_FALSE(readWholeNumber("-"));
    EXPECT_FALSE(readWholeNumber("99999999999"));
}

// Three decimals in the unit, for 48, 72 or 96 pixels per inch and 20, 30, 40 per centimeter.
TEST(ObjectEntries, ShowsPixelsInUnitsWithThreeDecimals)
{
    EXPECT_EQ(unitsText(48, 48), "1.000");
    EXPECT_EQ(unitsText(100, 72), "1.389");
    EXPECT_EQ(unitsText(-30, 20), "-1.500");
    EXPECT_EQ(unitsText(5, 0), "0.000");
}

// Halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; 0.001 inch at 48 is 0 pixels.
TEST(ObjectEntries, RoundsHalvesToEven)
{
    EXPECT_EQ(unitsToPixels(0.5, 1), 0);
    EXPECT_EQ(unitsToPixels(1.5, 1), 2);
    EXPECT_EQ(unitsToPixels(2.5, 1), 2);
    EXPECT_EQ(unitsToPixels(2.51, 1), 3);
    EXPECT_EQ(unitsToPixels(-0.5, 1), 0);
    EXPECT_EQ(unitsToPixels(-1.5, 1), -2);
    EXPECT_EQ(unitsToPixels(0.001, 48), 0);
    EXPECT_EQ(unitsToPixels(1.0e12, 96), 2147483647);
}

// right = left + round(width x p): the sides round on their own, not the far edge.
TEST(ObjectEntries, BuildsTheRectangleFromPositionAndSize)
{
    const PixelRect rect = rectangleFromUnits(1.0, 0.5, 2.0, 0.25, 48);
    EXPECT_EQ(int(rect.left), 48);
    EXPECT_EQ(int(rect.top), 24);
    EXPECT_EQ(int(rect.right), 144);
    EXPECT_EQ(int(rect.bottom), 36);
    const PixelRect tiny = rectangleFromUnits(0, 0, 0.001, 0.001, 48);
    EXPECT_EQ(int(tiny.right), 0);
    EXPECT_EQ(int(tiny.bottom), 0);
    const PixelRect huge = rectangleFromUnits(1.0e9, 0, 1.0e9, 1, 96);
    EXPECT_EQ(int(huge.right), 2147483647);
}

// Split Columns: 3 -> 2, 1 -> 0, 4 stays; empty, unreadable or 0 -> 2.
TEST(ObjectEntries, SplitColumnsMakesTheCountEven)
{
    EXPECT_EQ(splitColumnsText("3"), "2");
    EXPECT_EQ(splitColumnsText("1"), "0");
    EXPECT_EQ(splitColumnsText("4"), "4");
    EXPECT_EQ(splitColumnsText("9"), "8");
    EXPECT_EQ(splitColumnsText("0"), "2");
    EXPECT_EQ(splitColumnsText(""), "2");
    EXPECT_EQ(splitColumnsText("x"), "2");
}
