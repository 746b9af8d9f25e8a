#include "render/PrintOptions.h"
#include "render/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace {

using gw::layout::ObjectKind;
using gw::test::layoutObject;

// Taking a layout in: header texts and the combined clues' "across:down" text become the
// labels in object order, a header without text keeps its label, and the grid's skeleton flag
// and fill colour set the filled boxes.
TEST(PrintOptions, TakeLayout)
{
    gw::layout::LayoutRecord page = gw::layout::defaultLayout();
    page.objectCount = 0;
    const auto add = [&](ObjectKind kind, std::string_view text) {
        auto object = layoutObject(kind, { 0, 0, 10, 10 });
        object.setText(text);
        page.objects[page.objectCount++] = object;
        return page.objectCount - 1;
    };
    add(ObjectKind::AcrossHeader, "Over");
    add(ObjectKind::DownHeader, "");
    const int grid = add(ObjectKind::Puzzle, "");
    page.objects[grid].transparent = 0;
    page.objects[grid].fillColour = 0x00808080;

    gw::render::PrintOptions options;
    options.useBoxes = false;
    options.takeLayout(page);
    EXPECT_EQ(options.acrossLabel, "Over");
    EXPECT_EQ(options.downLabel, "Down");
    EXPECT_TRUE(options.useBoxes);
    EXPECT_EQ(options.boxColour, 0x00808080u);

    add(ObjectKind::CombinedClues, "Side to side:Top to bottom: and more");
    options.takeLayout(page);
    EXPECT_EQ(options.acrossLabel, "Side to side");
    EXPECT_EQ(options.downLabel, "Top to bottom: and more");

    page.objects[page.objectCount - 1].setText("Only one label that is far too long for it");
    options.takeLayout(page);
    EXPECT_EQ(options.acrossLabel, "Only one label that is fa");
    EXPECT_EQ(options.downLabel, "Top to bottom: and more");

    page.objectCount = 32000;
    options.takeLayout(page); // never walks past the 20 slots
}

} // namespace
