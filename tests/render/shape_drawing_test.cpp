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

// A rectangle fills its box, a circle the inscribed ellipse; the border is drawn outwards dot
// by dot in the border colour, round a circle as two half arcs per dot.
TEST(ShapeDrawing, RectangleAndCircleFillAndBorder)
{
    PageFixture fixture(listPuzzle({}));
    gw::render::DoRect(
        fixture.page, fixture.canvas, addShape(fixture, ObjectKind::Rectangle, { 48, 48, 96, 144 }));
    gw::render::DoRect(
        fixture.page, fixture.canvas, addShape(fixture, ObjectKind::Circle, { 48, 48, 96, 96 }));
    const auto fills = fixture.drawn<FillOperation>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].box, (gw::report::InchRect { 1, 1, 2, 3 }));
    EXPECT_EQ(fills[0].colour, 0x00CCCCCCu);
    const auto lines = fixture.drawn<LineOperation>();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_NEAR(lines[4].y1, 1 - Dot, 1e-12);
    EXPECT_EQ(lines[7].colour, 0x000000FFu);
    ASSERT_EQ(fixture.drawn<EllipseOperation>().size(), 1u);
    EXPECT_EQ(fixture.drawn<EllipseOperation>()[0].brushColour, 0x00CCCCCCu);
    const auto arcs = fixture.drawn<ArcOperation>();
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_NEAR(arcs[2].box.left, 1 - Dot, 1e-12);
    EXPECT_EQ(arcs[3].colour, 0x000000FFu);
}

// A tiled bitmap repeats at the box's size from the sheet's corner over the whole sheet, one
// more tile where the sheet does not divide, without its border; a one-pixel tile from a hostile
// record is held to a bounded number of tiles.
TEST(ShapeDrawing, BitmapTiled)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    // 102 x 132 pixels divide the 8.5 x 11 sheet four times each; 100 x 130 do not.
    const std::pair<gw::layout::PixelRect, std::size_t> tilings[]
        = { { { 300, 300, 402, 432 }, 16 }, { { 0, 0, 100, 130 }, 25 }, { { 0, 0, 1, 1 }, 200 * 200 } };
    for (const auto &[rect, tiles] : tilings) {
        PageFixture tiled(listPuzzle({}));
        const int tile = addShape(tiled, ObjectKind::Bitmap, rect);
        tiled.object(tile).transparent = 1;
        tiled.bitmaps[static_cast<std::size_t>(tile)] = picture;
        gw::render::DoBitmap(tiled.page, tiled.canvas, tile);
        if (rect.right > 1) {
            EXPECT_EQ(tiled.drawn<BitmapOperation>().size(), tiles) << rect.right;
            EXPECT_DOUBLE_EQ(tiled.drawn<BitmapOperation>()[0].box.left, 0);
        } else {
            EXPECT_LE(tiled.drawn<BitmapOperation>().size(), tiles);
        }
        EXPECT_TRUE(tiled.drawn<LineOperation>().empty());
    }
}

} // namespace
