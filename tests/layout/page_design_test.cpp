#include "layout/PageDesign.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace gw::layout {
namespace {

using Rect = std::array<int, 4>;
Rect asArray(const PixelRect &rect)
{
    return { int(rect.left), int(rect.top), int(rect.right), int(rect.bottom) };
}

LayoutRecord withObjects(std::initializer_list<std::pair<ObjectKind, PixelRect>> objects)
{
    LayoutRecord layout {};
    int slot = 0;
    for (const auto &[kind, rect] : objects) {
        layout.objects[slot].kind = static_cast<std::int16_t>(kind);
        layout.objects[slot].name.assign(std::to_string(slot + 1));
        layout.objects[slot].rect = rect;
        ++slot;
    }
    layout.objectCount = static_cast<std::int16_t>(slot);
    return layout;
}

// A handle reaches two pixels before and three after its point; a point on any of its edges
// is on it.
TEST(PageDesign, HandlesReachTwoBeforeAndThreeAfterWithEdgesIncluded)
{
    const PixelRect rect { 10, 20, 50, 61 };
    EXPECT_EQ(asArray(handleSquare(rect, 1)), (Rect { 8, 18, 13, 23 }));
    // Middles halve toward zero: (10 + 50) / 2 = 30, (20 + 61) / 2 = 40.
    EXPECT_EQ(asArray(handleSquare(rect, 2)), (Rect { 28, 18, 33, 23 }));
    EXPECT_EQ(asArray(handleSquare(rect, 5)), (Rect { 47, 38, 52, 43 }));
    EXPECT_EQ(handleAt(rect, 8, 18), 1);
    EXPECT_EQ(handleAt(rect, 14, 23), 0);
    EXPECT_EQ(handleAt(rect, 52, 63), 8);
    EXPECT_EQ(handleAt(rect, 53, 63), 0);
    EXPECT_EQ(handleAt(rect, 30, 60), 7);
    EXPECT_EQ(handleAt(rect, 30, 40), 0);
    // A rectangle too small to tell its handles apart gives the first.
    EXPECT_EQ(handleAt(PixelRect { 0, 0, 1, 1 }, 0, 0), 1);
}

TEST(PageDesign, TheHitSearchGoesFromTheTopSlotDownWithEdgesIncluded)
{
    const LayoutRecord layout = withObjects({ { ObjectKind::Title, { 0, 0, 100, 100 } },
        { ObjectKind::Text, { 50, 50, 150, 150 } }, { ObjectKind::Circle, { 200, 200, 210, 210 } } });
    EXPECT_EQ(objectHit(layout, 60, 60, 60, 60), 2);
    EXPECT_EQ(objectHit(layout, 100, 100, 100, 100), 2);
    EXPECT_EQ(objectHit(layout, 210, 210, 210, 210), 3);
    EXPECT_EQ(objectHit(layout, 211, 210, 211, 210), 0);
    // A press inside and a release beyond the right edge misses what the release left.
    EXPECT_EQ(objectHit(layout, 10, 10, 120, 10), 0);
    // Slots above the count are leftovers, never hit.
    LayoutRecord fewer = layout;
    fewer.objectCount = 1;
    EXPECT_EQ(objectHit(fewer, 205, 205, 205, 205), 0);
    LayoutRecord hostile = layout;
    hostile.objectCount = 30000;
    EXPECT_EQ(objectHit(hostile, 1000, 1000, 1000, 1000), 0);
}

TEST(PageDesign, HandlesMoveOnlyTheirSidesAndTheResultIsPutRight)
{
    const PixelRect rect { 10, 20, 50, 60 };
    EXPECT_EQ(asArray(draggedRect(rect, 0, 5, -7)), (Rect { 15, 13, 55, 53 }));
    EXPECT_EQ(asArray(draggedRect(rect, 6, 5, -7)), (Rect { 15, 20, 50, 53 }));
    EXPECT_EQ(asArray(draggedRect(rect, 8, 5, -7)), (Rect { 10, 20, 55, 53 }));
    // The top-left handle dragged past the bottom-right corner.
    EXPECT_EQ(asArray(normalisedRect(draggedRect(rect, 1, 60, 70))), (Rect { 50, 60, 70, 90 }));
    const int big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(int(draggedRect(PixelRect { 0, 0, big, 10 }, 0, 10, 0).right), big);
}

TEST(PageDesign, ObjectButtonsFollowTheKindsPresent)
{
    LayoutRecord layout {};
    auto placeable = placeableKinds(layout);
    for (bool enabled : placeable)
        EXPECT_TRUE(enabled);

    ASSERT_EQ(addNewObject(layout, ObjectKind::Title, 0, 0, 48, "Across", "Down"), 1);
    ASSERT_EQ(addNewObject(layout, ObjectKind::CombinedClues, 0, 0, 48, "Across", "Down"), 2);
    placeable = placeableKinds(layout);
    EXPECT_FALSE(placeable[0]);
    for (ObjectKind excluded : { ObjectKind::DownHeader, ObjectKind::AcrossHeader, ObjectKind::DownClues,
             ObjectKind::AcrossClues, ObjectKind::CombinedClues })
        EXPECT_FALSE(placeable[static_cast<int>(excluded) - 1]);
    EXPECT_TRUE(placeable[static_cast<int>(ObjectKind::WordList) - 1]);
    EXPECT_EQ(addNewObject(layout, ObjectKind::DownClues, 0, 0, 48, "Across", "Down"), 0);
    deleteObject(layout, 2);
    EXPECT_TRUE(placeableKinds(layout)[static_cast<int>(ObjectKind::DownClues) - 1]);

    ASSERT_EQ(addNewObject(layout, ObjectKind::AcrossHeader, 0, 0, 48, "Across", "Down"), 2);
    EXPECT_FALSE(placeableKinds(layout)[static_cast<int>(ObjectKind::CombinedClues) - 1]);

    while (layout.objectCount < MaxObjects)
        ASSERT_NE(addNewObject(layout, ObjectKind::Rectangle, 0, 0, 48, "", ""), 0);
    for (bool enabled : placeableKinds(layout))
        EXPECT_FALSE(enabled);
    EXPECT_EQ(addNewObject(layout, ObjectKind::Text, 0, 0, 48, "", ""), 0);
    EXPECT_EQ(int(layout.objectCount), MaxObjects);
    deleteObject(layout, 1);
    EXPECT_TRUE(placeableKinds(layout)[0]);
    EXPECT_FALSE(placeableKinds(layout)[static_cast<int>(ObjectKind::AcrossHeader) - 1]);
}

// New objects are sized in the unit, numbered by kind, the headers taking the labels given.
TEST(PageDesign, NewObjectsTakeTheirNamesTextsAndSizes)
{
    LayoutRecord layout {};
    ASSERT_EQ(addNewObject(layout, ObjectKind::Puzzle, 30, 40, 72, "Across", "Down"), 1);
    EXPECT_EQ(asArray(layout.objects[0].rect), (Rect { 30, 40, 30 + 216, 40 + 216 }));
    ASSERT_EQ(addNewObject(layout, ObjectKind::DownHeader, 0, 0, 20, "Over", "Under"), 2);
    EXPECT_EQ(layout.objects[1].textView(), "Under");
    // 0.25 centimeters at 20 pixels per centimeter is 5 pixels.
    EXPECT_EQ(asArray(layout.objects[1].rect), (Rect { 0, 0, 40, 5 }));
    ASSERT_EQ(addNewObject(layout, ObjectKind::Bitmap, 0, 0, 48, "", ""), 3);
    ASSERT_EQ(addNewObject(layout, ObjectKind::Bitmap, 0, 0, 48, "", ""), 4);
    EXPECT_EQ(layout.objects[3].name.str(), "Bitmap 2");

    LayoutRecord combined {};
    ASSERT_EQ(addNewObject(combined, ObjectKind::CombinedClues, 1, 2, 48, "", ""), 1);
    EXPECT_EQ(combined.objects[0].textView(), "Across:Down");
}

TEST(PageDesign, SlotsMoveWithTheirObjects)
{
    LayoutRecord layout = withObjects({ { ObjectKind::Title, {} }, { ObjectKind::Text, {} },
        { ObjectKind::Circle, {} }, { ObjectKind::Rectangle, {} } });
    auto names = [&layout] {
        std::string joined;
        for (int slot = 0; slot < layout.safeObjectCount(); ++slot)
            joined += layout.objects[slot].name.str();
        return joined;
    };
    bringToFront(layout, 2);
    EXPECT_EQ(names(), "1342");
    sendToBack(layout, 3);
    EXPECT_EQ(names(), "4132");
    deleteObject(layout, 2);
    EXPECT_EQ(names(), "432");
    deleteObject(layout, 9);
    EXPECT_EQ(names(), "432");
    std::array<int, 4> pictures { 1, 2, 3, 4 };
    moveSlot(pictures.data(), 4, 4, 1);
    EXPECT_EQ(pictures, (std::array<int, 4> { 4, 1, 2, 3 }));
}

} // namespace
} // namespace gw::layout
