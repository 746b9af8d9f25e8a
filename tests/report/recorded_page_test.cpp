#include "report/RecordedPage.h"
#include "report/TextMetrics.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

using namespace gw::report;

// "Arial" is drawn and measured as the metric-compatible Liberation Sans.
TEST(TextMetrics, ArialIsLiberationSans)
{
    EXPECT_EQ(
        QFontInfo(TextMetrics::qtFont(FontSpec { "Arial", 12 })).family(), QStringLiteral("Liberation Sans"));
    // Arial's advance of "W" is 0.944 of its size.
    EXPECT_NEAR(TextMetrics(FontSpec { "Arial", 72 }).width("W"), 0.944, 0.002);

    // Sizes outside 1..500 points measure as the nearest of those.
    EXPECT_DOUBLE_EQ(TextMetrics(FontSpec { "Arial", 0 }).width("abc"),
        TextMetrics(FontSpec { "Arial", -40 }).width("abc"));
    EXPECT_DOUBLE_EQ(TextMetrics(FontSpec { "Arial", 30000 }).width("abc"),
        TextMetrics(FontSpec { "Arial", MaxPointSize }).width("abc"));
    // Windows-1252 bytes measure as their characters: e acute is as wide as e.
    const TextMetrics small(FontSpec { "Arial", 12 });
    EXPECT_NEAR(small.width("\xe9"), small.width("e"), 1e-9);
}

// Signed area of an outline as the page lies: positive going clockwise round it.
double signedArea(const Outline &outline)
{
    double twice = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const InchPoint &a = outline[i];
        const InchPoint &b = outline[(i + 1) % outline.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

// The union of boxes is outlined with no edge where boxes meet or overlap: each outline goes
// clockwise round the area and counter-clockwise round a hole, only along the union's edge.
TEST(AreaOutline, OutlinesTheUnionOnly)
{
    struct Case
    {
        const char *name;
        std::vector<InchRect> boxes;
        std::size_t outlines;
        std::size_t corners; // of all outlines
        double area;
    };
    const Case cases[] = {
        { "two boxes side by side", { { 0, 0, 1, 1 }, { 1, 0, 2, 1 } }, 1, 4, 2 },
        { "overlapping boxes", { { 0, 0, 2, 2 }, { 1, 1, 3, 3 } }, 1, 8, 7 },
        { "a ring round a hole", { { 0, 0, 3, 1 }, { 0, 1, 1, 2 }, { 2, 1, 3, 2 }, { 0, 2, 3, 3 } }, 2, 8,
            8 },
        { "boxes touching at a corner", { { 0, 0, 1, 1 }, { 1, 1, 2, 2 } }, 2, 8, 2 },
        { "empty and inside-out boxes", { { 0, 0, 0, 1 }, { 2, 2, 1, 1 } }, 0, 0, 0 },
    };
    for (const Case &c : cases) {
        const std::vector<Outline> outlines = areaOutlines(c.boxes);
        EXPECT_EQ(outlines.size(), c.outlines) << c.name;
        std::size_t corners = 0;
        double area = 0;
        for (const Outline &outline : outlines) {
            corners += outline.size();
            area += signedArea(outline);
            for (std::size_t i = 0; i < outline.size(); ++i) {
                const InchPoint &a = outline[i];
                const InchPoint &b = outline[(i + 1) % outline.size()];
                EXPECT_TRUE((a.x == b.x) != (a.y == b.y)) << c.name << ": edges run across or down";
            }
        }
        EXPECT_EQ(corners, c.corners) << c.name;
        EXPECT_DOUBLE_EQ(area, c.area) << c.name;
    }
    const std::vector<Outline> ring = areaOutlines(cases[2].boxes);
    ASSERT_EQ(ring.size(), 2u);
    EXPECT_NE(signedArea(ring[0]) > 0, signedArea(ring[1]) > 0) << "the hole goes the other way";
}

// An area is kept as its outlines in the brush colour, and one drawn off the sheet is not.
TEST(RecordedPage, KeepsAnAreaAsItsOutlines)
{
    RecordedPage page { PageSetup {} };
    page.setBrushColour(0x123456);
    const std::vector<InchRect> boxes { { 1, 1, 2, 2 }, { 2, 1, 3, 2 } };
    page.fillArea(boxes);
    const std::vector<InchRect> offSheet { { 20, 20, 21, 21 } };
    page.fillArea(offSheet);
    ASSERT_EQ(page.operations().size(), 1u);
    const auto &area = std::get<AreaOperation>(page.operations()[0]);
    EXPECT_EQ(area.colour, 0x123456u);
    EXPECT_EQ(area.outlines, areaOutlines(boxes));
}

} // namespace
