#include "render/RenderTestSupport.h"
#include "render/ShapeDrawing.h"

#include <gtest/gtest.h>

namespace {

using gw::layout::ObjectKind;
using gw::report::ArcOperation;
using gw::report::BitmapOperation;
using gw::report::EllipseOperation;
using gw::report::FillOperation;
using gw::report::LineOperation;
using gw::test::layoutObject;
using gw::test::listPuzzle;
using gw::test::PageFixture;

constexpr double Dot = 1 / gw::report::RecordedPage::DeviceDotsPerInch;

int addShape(PageFixture &fixture, ObjectKind kind, gw::layout::PixelRect rect)
{
    auto object = layoutObject(kind, rect);
    object.fillInShape = 1;
    object.fillColour = 0x00CCCCCC;
    object.useBorder = 1;
    object.borderWidth = 2;
    object.borderColour = 0x000000FF;
    object.transparent = 0;
    return fixture.add(object);
}

// A rectangle fills its box in the fill colour, then draws its border outwards dot by dot.
TEST(ShapeDrawing, RectangleFillAndBorder)
{
    PageFixture fixture(listPuzzle({}));
    const int index = addShape(fixture, ObjectKind::Rectangle, { 48, 48, 96, 144 });
    gw::render::DoRect(fixture.page, fixture.canvas, index);
    const auto fills = fixture.drawn<FillOperation>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].box, (gw::report::InchRect { 1, 1, 2, 3 }));
    EXPECT_EQ(fills[0].colour, 0x00CCCCCCu);
    const auto lines = fixture.drawn<LineOperation>();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_DOUBLE_EQ(lines[0].x1, 1);
    EXPECT_NEAR(lines[4].y1, 1 - Dot, 1e-12);
    EXPECT_NEAR(lines[5].x1, 2 + Dot, 1e-12);
    EXPECT_EQ(lines[7].colour, 0x000000FFu);
}

// A circle fills the inscribed ellipse and outlines it as two half arcs per dot of border.
TEST(ShapeDrawing, CircleFillAndArcs)
{
    PageFixture fixture(listPuzzle({}));
    const int index = addShape(fixture, ObjectKind::Circle, { 48, 48, 96, 96 });
    gw::render::DoRect(fixture.page, fixture.canvas, index);
    const auto ellipses = fixture.drawn<EllipseOperation>();
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].brushColour, 0x00CCCCCCu);
    EXPECT_EQ(ellipses[0].penColour, 0x00CCCCCCu);
    const auto arcs = fixture.drawn<ArcOperation>();
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_DOUBLE_EQ(arcs[0].spanDegrees, 180);
    EXPECT_DOUBLE_EQ(arcs[1].startDegrees, 180);
    EXPECT_NEAR(arcs[2].box.left, 1 - Dot, 1e-12);
    EXPECT_EQ(arcs[3].colour, 0x000000FFu);
    EXPECT_TRUE(fixture.drawn<LineOperation>().empty());
}

QImage picture()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

// A bitmap stretches into its box under its border; tiled, it repeats at the box's size from
// the sheet's corner over the whole sheet: exactly sheet / tile when that divides, one more
// otherwise, and without a border.
TEST(ShapeDrawing, BitmapStretchedAndTiled)
{
    PageFixture stretched(listPuzzle({}));
    const int index = addShape(stretched, ObjectKind::Bitmap, { 48, 48, 96, 96 });
    stretched.bitmaps[static_cast<std::size_t>(index)] = picture();
    gw::render::DoBitmap(stretched.page, stretched.canvas, index);
    ASSERT_EQ(stretched.drawn<BitmapOperation>().size(), 1u);
    EXPECT_EQ(stretched.drawn<BitmapOperation>()[0].box, (gw::report::InchRect { 1, 1, 2, 2 }));
    EXPECT_EQ(stretched.drawn<LineOperation>().size(), 8u);

    PageFixture tiled(listPuzzle({}));
    // 102 x 132 pixels: 2.125 x 2.75 inches, which divide the 8.5 x 11 sheet four times each.
    const int exact = addShape(tiled, ObjectKind::Bitmap, { 300, 300, 402, 432 });
    tiled.object(exact).transparent = 1;
    tiled.bitmaps[static_cast<std::size_t>(exact)] = picture();
    gw::render::DoBitmap(tiled.page, tiled.canvas, exact);
    const auto tiles = tiled.drawn<BitmapOperation>();
    ASSERT_EQ(tiles.size(), 16u);
    EXPECT_EQ(tiles[0].box, (gw::report::InchRect { 0, 0, 2.125, 2.75 }));
    EXPECT_TRUE(tiled.drawn<LineOperation>().empty());

    PageFixture uneven(listPuzzle({}));
    const int inexact = addShape(uneven, ObjectKind::Bitmap, { 0, 0, 100, 130 });
    uneven.object(inexact).transparent = 1;
    uneven.bitmaps[static_cast<std::size_t>(inexact)] = picture();
    gw::render::DoBitmap(uneven.page, uneven.canvas, inexact);
    EXPECT_EQ(uneven.drawn<BitmapOperation>().size(), 5u * 5u);

    // A one-pixel tile from a hostile record is held to a bounded number of tiles.
    PageFixture tiny(listPuzzle({}));
    const int speck = addShape(tiny, ObjectKind::Bitmap, { 0, 0, 1, 1 });
    tiny.object(speck).transparent = 1;
    tiny.bitmaps[static_cast<std::size_t>(speck)] = picture();
    gw::render::DoBitmap(tiny.page, tiny.canvas, speck);
    EXPECT_LE(tiny.drawn<BitmapOperation>().size(), 200u * 200u);
}

} // namespace
