#include "report/RecordedPage.h"
#include "report/TextMetrics.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

using namespace gw::report;

FontSpec arial(int size)
{
    FontSpec font;
    font.name = "Arial";
    font.size = size;
    return font;
}

// "Arial" is drawn and measured as the metric-compatible Liberation Sans.
TEST(TextMetrics, ArialIsLiberationSans)
{
    EXPECT_EQ(QFontInfo(TextMetrics::qtFont(arial(12))).family(), QStringLiteral("Liberation Sans"));
    // Arial's advance of "W" is 0.944 of its size.
    EXPECT_NEAR(TextMetrics(arial(72)).width("W"), 0.944, 0.002);
}

// Text measures in proportion to its size, whatever the device, its height is ascent plus
// descent, and sizes outside 1..500 points measure as the nearest of those.
TEST(TextMetrics, MeasuresScaleWithSize)
{
    const TextMetrics small(arial(12));
    const TextMetrics large(arial(24));
    EXPECT_NEAR(large.width("Crossword puzzle") / small.width("Crossword puzzle"), 2.0, 0.005);
    EXPECT_DOUBLE_EQ(small.height(), small.ascent() + small.descent());
    EXPECT_NEAR(small.ascent(), 12 * 0.905 / 72, 0.002);
    EXPECT_DOUBLE_EQ(TextMetrics(arial(0)).width("abc"), TextMetrics(arial(-40)).width("abc"));
    EXPECT_DOUBLE_EQ(TextMetrics(arial(30000)).width("abc"), TextMetrics(arial(MaxPointSize)).width("abc"));
    // Windows-1252 bytes measure as their characters: e acute is as wide as e.
    EXPECT_NEAR(small.width("\xe9"), small.width("e"), 1e-9);
}

// The recording keeps each operation with the colours and font current when it was drawn;
// lines run from the current position, which moves on.
TEST(RecordedPage, RecordsOperationsWithTheirState)
{
    RecordedPage page { PageSetup {} };
    page.setPenColour(0x0000FF);
    page.setBrushColour(0x00FF00);
    page.moveTo(1, 1);
    page.lineTo(2, 1);
    page.lineTo(2, 2);
    page.fillRect({ 1, 1, 2, 2 });
    page.setFont(arial(20));
    page.setTransparentText(false);
    page.printText(1, 3, "Hi");
    page.printText(1, 4, "");
    page.stretchBitmap({ 0, 0, 1, 1 }, QImage());

    const auto &operations = page.operations();
    ASSERT_EQ(operations.size(), 4u);
    const auto &second = std::get<LineOperation>(operations[1]);
    EXPECT_DOUBLE_EQ(second.x1, 2);
    EXPECT_DOUBLE_EQ(second.y1, 1);
    EXPECT_DOUBLE_EQ(second.y2, 2);
    EXPECT_EQ(second.colour, 0x0000FFu);
    EXPECT_EQ(std::get<FillOperation>(operations[2]).colour, 0x00FF00u);
    const auto &text = std::get<TextOperation>(operations[3]);
    EXPECT_TRUE(text.opaque);
    EXPECT_EQ(text.font.size, 20);
    EXPECT_DOUBLE_EQ(text.width, page.textWidth("Hi"));
    EXPECT_DOUBLE_EQ(page.lineHeight(), 20 / 60.0);
}

// Inches and device dots convert both ways on the page's 300 dots to the inch.
TEST(RecordedPage, DeviceDots)
{
    const RecordedPage page { PageSetup {} };
    EXPECT_EQ(page.toDots(1.0), 300);
    EXPECT_EQ(page.toDots(0.0049), 1);
    EXPECT_DOUBLE_EQ(page.fromDots(150), 0.5);
}

} // namespace
