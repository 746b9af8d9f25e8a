#include "report/PageSetup.h"

#include <QRectF>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using gw::report::Orientation;
using gw::report::PageSetup;

// Each printer paper code gives its sheet in inches; B5 is the 182 x 257 mm of the codes and
// Executive 7.25 x 10.5 inches; a code the list lacks gives Letter.
TEST(PageSetup, PaperCodes)
{
    const struct
    {
        int code;
        double width;
        double height;
    } papers[] = { { 1, 8.5, 11 }, { 5, 8.5, 14 }, { 7, 7.25, 10.5 }, { 9, 210 / 25.4, 297 / 25.4 },
        { 11, 148 / 25.4, 210 / 25.4 }, { 13, 182 / 25.4, 257 / 25.4 }, { 42, 8.5, 11 } };
    for (const auto &paper : papers) {
        PageSetup setup;
        setup.setPaperCode(paper.code);
        EXPECT_NEAR(setup.sheetWidth(), paper.width, 1e-9) << paper.code;
        EXPECT_NEAR(setup.sheetHeight(), paper.height, 1e-9) << paper.code;
    }
}

// Landscape reads the sheet back with its long side across, for Qt too; custom sizes are
// taken upright and held to what a printer can take.
TEST(PageSetup, OrientationAndCustomSizes)
{
    PageSetup setup;
    setup.setPaperCode(PageSetup::Legal);
    setup.setOrientation(Orientation::Landscape);
    EXPECT_DOUBLE_EQ(setup.sheetWidth(), 14);
    EXPECT_DOUBLE_EQ(setup.sheetHeight(), 8.5);
    // The Qt page layout carries the half-inch margins but is painted from the sheet's corner.
    const QPageLayout layout = setup.pageLayout();
    EXPECT_DOUBLE_EQ(layout.margins(QPageLayout::Inch).left(), 0.5);
    EXPECT_EQ(layout.paintRect(QPageLayout::Inch).topLeft(), QPointF(0, 0));
    EXPECT_GT(layout.fullRect(QPageLayout::Inch).width(), layout.fullRect(QPageLayout::Inch).height());

    setup.setCustomSize(5, 7);
    EXPECT_DOUBLE_EQ(setup.sheetWidth(), 7);
    EXPECT_DOUBLE_EQ(setup.sheetHeight(), 5);
    setup.setOrientation(Orientation::Portrait);
    setup.setCustomSize(0.01, 1e9);
    EXPECT_DOUBLE_EQ(setup.sheetWidth(), PageSetup::SmallestSide);
    EXPECT_DOUBLE_EQ(setup.sheetHeight(), PageSetup::LargestSide);
    setup.setCustomSize(std::nan(""), INFINITY);
    EXPECT_DOUBLE_EQ(setup.sheetWidth(), 8.5);
    EXPECT_DOUBLE_EQ(setup.sheetHeight(), 11);
}

} // namespace
