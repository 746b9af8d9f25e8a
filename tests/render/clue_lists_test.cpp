#include "render/ClueLists.h"
#include "render/CombinedClues.h"
#include "render/RenderTestSupport.h"
#include "report/TextMetrics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using gw::layout::ObjectKind;
using gw::report::LineOperation;
using gw::report::TextOperation;
using gw::test::layoutObject;
using gw::test::listPuzzle;
using gw::test::numberedClues;
using gw::test::PageFixture;
using gw::test::rowPixels;

double digitWidth(const TextOperation &text)
{
    return gw::report::TextMetrics(text.font).width("9");
}

// A clue list object at the page's corner, rows tall at 12 points.
int addList(PageFixture &fixture, ObjectKind kind, double rows, int widthPixels, int columns, bool makeItFit)
{
    auto object
        = layoutObject(kind, { 0, 0, widthPixels, static_cast<int>(std::ceil(rows * rowPixels(12))) });
    object.columns = static_cast<std::int16_t>(columns);
    object.makeItFit = makeItFit ? 1 : 0;
    return fixture.add(object);
}

// Numbers take two digit widths up to 9 and three from 10; the clue follows at that offset.
TEST(ClueLists, NumberColumnFollowsTheLargestNumber)
{
    for (const int count : { 9, 10 }) {
        PageFixture fixture(listPuzzle(numberedClues(count)));
        const int index = addList(fixture, ObjectKind::AcrossClues, 12.5, 300, 1, false);
        gw::render::DoClues(fixture.page, fixture.canvas, index, true);
        const auto texts = fixture.drawn<TextOperation>();
        ASSERT_EQ(texts.size(), 2u * static_cast<std::size_t>(count));
        const double u = digitWidth(texts[0]);
        EXPECT_NEAR(texts[1].x - texts[0].x, (count < 10 ? 2 : 3) * u, 1e-9) << count;
        EXPECT_NEAR(texts[0].x, 0.25 * u, 1e-9);
        EXPECT_EQ(texts[0].text, "1.");
        EXPECT_EQ(texts[1].text, "clue 1");
        EXPECT_FALSE(fixture.results.cluesOverflow);
    }
}

// Twelve clues in five rows of two columns: ten print, column by column, and the overflow is
// flagged; with Make It Fit the font shrinks until all twelve fit.
TEST(ClueLists, OverflowAndMakeItFit)
{
    PageFixture plain(listPuzzle(numberedClues(12)));
    const int index = addList(plain, ObjectKind::AcrossClues, 5.5, 300, 2, false);
    gw::render::DoClues(plain.page, plain.canvas, index, true);
    auto texts = plain.drawn<TextOperation>();
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_TRUE(plain.results.cluesOverflow);
    const auto &metrics = plain.results.listMetrics[static_cast<std::size_t>(index)];
    EXPECT_EQ(metrics.linesPerColumn, 5);
    EXPECT_EQ(metrics.lastFitting, 10);
    EXPECT_EQ(plain.results.clueCharacters[10], 0);
    // Entry 6 starts column 2 at row 1.
    const double spacing = plain.object(index).rect.bottom / 48.0 / 5;
    EXPECT_NEAR(
        texts[10].x, metrics.margin + metrics.columnGap + metrics.numberWidth + metrics.textWidth, 1e-9);
    EXPECT_NEAR(texts[10].baseline, 0.8 * spacing, 1e-9);
    EXPECT_NEAR(texts[8].baseline, 4 * spacing + 0.8 * spacing, 1e-9);

    PageFixture fitted(listPuzzle(numberedClues(12)));
    const int fittedIndex = addList(fitted, ObjectKind::AcrossClues, 5.5, 300, 2, true);
    gw::render::DoClues(fitted.page, fitted.canvas, fittedIndex, true);
    texts = fitted.drawn<TextOperation>();
    EXPECT_EQ(texts.size(), 24u);
    EXPECT_FALSE(fitted.results.cluesOverflow);
    EXPECT_LT(int { fitted.object(fittedIndex).fittedFontSize }, 12);
    EXPECT_EQ(texts[0].font.size, int { fitted.object(fittedIndex).fittedFontSize });
}

// When even 4 points do not fit, the list prints at 3 points with the rows measured at 4 and
// the overflow is flagged.
TEST(ClueLists, MakeItFitStopsAtItsFloor)
{
    PageFixture fixture(listPuzzle(numberedClues(100)));
    const int index = addList(fixture, ObjectKind::AcrossClues, 2.5, 300, 1, true);
    gw::render::DoClues(fixture.page, fixture.canvas, index, true);
    EXPECT_EQ(int { fixture.object(index).fittedFontSize }, 3);
    EXPECT_TRUE(fixture.results.cluesOverflow);
    const auto texts = fixture.drawn<TextOperation>();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].font.size, 3);
    const int rowsAtFour = static_cast<int>(std::trunc(fixture.object(index).rect.bottom / rowPixels(4)));
    EXPECT_EQ(fixture.results.listMetrics[static_cast<std::size_t>(index)].linesPerColumn, rowsAtFour);
    EXPECT_EQ(texts.size(), 2u * static_cast<std::size_t>(rowsAtFour));
}

// A clue wider than its column prints up to its last whole word and is reported; a single word
// too wide prints nothing after its number; an empty clue is no overflow.
TEST(ClueLists, CutClues)
{
    PageFixture fixture(
        listPuzzle({ "short words that go on and on and on", "Supercalifragilisticexpialidocious", "" }));
    const int index = addList(fixture, ObjectKind::AcrossClues, 4, 120, 1, false);
    gw::render::DoClues(fixture.page, fixture.canvas, index, true);
    const auto texts = fixture.drawn<TextOperation>();
    ASSERT_EQ(texts.size(), 4u); // two numbers and a clue; the empty ones print nothing
    EXPECT_EQ(
        texts[1].text, std::string("short words that go on and on and on").substr(0, texts[1].text.size()));
    EXPECT_LT(texts[1].text.size(), 36u);
    EXPECT_NE(texts[1].text.back(), ' ');
    EXPECT_EQ(texts[2].text, "2.");
    EXPECT_EQ(texts[3].text, "3.");
    EXPECT_EQ(fixture.results.clueCharacters[1], 0);
    EXPECT_TRUE(fixture.results.cluesOverflow);

    PageFixture empty(listPuzzle({ "fine", "" }));
    const int emptyIndex = addList(empty, ObjectKind::AcrossClues, 4, 300, 1, false);
    gw::render::DoClues(empty.page, empty.canvas, emptyIndex, true);
    EXPECT_FALSE(empty.results.cluesOverflow);
}

// The down list takes the entries after the across ones; columns read from a file as 0 or
// negative count as one.
TEST(ClueLists, DownEntriesAndHostileColumns)
{
    PageFixture fixture(listPuzzle({ "a1", "a2" }, { "d1", "d2", "d3" }));
    const int index = addList(fixture, ObjectKind::DownClues, 6, 300, 1, false);
    fixture.object(index).columns = -4;
    gw::render::DoClues(fixture.page, fixture.canvas, index, false);
    EXPECT_EQ(fixture.texts(), (std::vector<std::string> { "3.", "d1", "4.", "d2", "5.", "d3" }));
    EXPECT_EQ(fixture.results.listMetrics[static_cast<std::size_t>(index)].lastFitting, 3);
}

// Make It Fit sizes each list on its own: in two boxes of one size the list whose longest clue
// is wider prints smaller, each at the largest size at which none of its clues is cut.
TEST(ClueLists, MakeItFitSizesEachListByItsLongestClue)
{
    const std::vector<std::string> across = { "Young pig", "Swims in the pond and quacks",
        "Long-eared cousin of the horse", "Its wool becomes a warm sweater", "Gobbling bird" };
    const std::vector<std::string> down
        = { "Pink animal that rolls in mud", "Large honking bird of the farmyard",
              "Bearded climber that eats almost anything", "Home of a horse", "Young cow" };
    PageFixture fixture(listPuzzle(across, down));
    const int acrossIndex = addList(fixture, ObjectKind::AcrossClues, 8, 130, 1, true);
    const int downIndex = addList(fixture, ObjectKind::DownClues, 8, 130, 1, true);
    gw::render::DoClues(fixture.page, fixture.canvas, acrossIndex, true);
    gw::render::DoClues(fixture.page, fixture.canvas, downIndex, false);
    EXPECT_FALSE(fixture.results.cluesOverflow);
    for (std::size_t k = 0; k < across.size() + down.size(); ++k) {
        const std::string &clue = k < across.size() ? across[k] : down[k - across.size()];
        EXPECT_EQ(fixture.results.clueCharacters[k], static_cast<int>(clue.size())) << clue;
    }
    const int acrossSize = fixture.object(acrossIndex).fittedFontSize;
    const int downSize = fixture.object(downIndex).fittedFontSize;
    EXPECT_LT(acrossSize, 12);
    EXPECT_LT(downSize, acrossSize);

    // One point larger, each list cuts a clue.
    for (const bool isAcross : { true, false }) {
        PageFixture larger(listPuzzle(across, down));
        const int index
            = addList(larger, isAcross ? ObjectKind::AcrossClues : ObjectKind::DownClues, 8, 130, 1, false);
        larger.object(index).textFont.size
            = static_cast<std::int16_t>((isAcross ? acrossSize : downSize) + 1);
        gw::render::DoClues(larger.page, larger.canvas, index, isAcross);
        EXPECT_TRUE(larger.results.cluesOverflow) << isAcross;
    }
}

// Across and down clues share the columns under their boxed labels; the label and the first
// down entry move on together when they do not both fit below the across part.
TEST(CombinedClues, ContinuesAcrossColumns)
{
    PageFixture fixture(listPuzzle(numberedClues(3), { "d4", "d5" }));
    fixture.options.acrossLabel = "Across";
    fixture.options.downLabel = "Down";
    const int index = addList(fixture, ObjectKind::CombinedClues, 5.5, 300, 2, false);
    gw::render::DoCombClues(fixture.page, fixture.canvas, index);
    EXPECT_EQ(fixture.texts(),
        (std::vector<std::string> {
            "Across", "1.", "clue 1", "2.", "clue 2", "3.", "clue 3", "Down", "4.", "d4", "5.", "d5" }));
    const auto texts = fixture.drawn<TextOperation>();
    const auto &metrics = fixture.results.listMetrics[static_cast<std::size_t>(index)];
    const double spacing = fixture.object(index).rect.bottom / 48.0 / 5;
    // Row 5 of column 1 is left: "Down" and "d4" go to the top of column 2.
    const double column2 = metrics.margin + metrics.columnGap + metrics.numberWidth + metrics.textWidth;
    EXPECT_NEAR(texts[8].x, column2, 1e-9);
    EXPECT_NEAR(texts[8].baseline, spacing + 0.8 * spacing, 1e-9);
    // Each label has a one-row box; the first spans column 1 from the object's left edge.
    const auto boxes = fixture.drawn<LineOperation>();
    ASSERT_EQ(boxes.size(), 8u);
    EXPECT_DOUBLE_EQ(boxes[0].x1, 0);
    EXPECT_NEAR(boxes[0].x2, metrics.margin + metrics.numberWidth + metrics.textWidth, 1e-9);
    EXPECT_NEAR(boxes[1].y2 - boxes[1].y1, spacing, 1e-9);
    EXPECT_NEAR(boxes[4].x1, column2, 1e-9);
    EXPECT_EQ(metrics.lastFitting, 5);
    EXPECT_FALSE(fixture.results.cluesOverflow);
}

// With split columns and four columns the down part starts at the top of column 3, each
// label spans two columns, and the across part never runs into the down part's columns.
TEST(CombinedClues, SplitColumns)
{
    PageFixture fixture(listPuzzle(numberedClues(3), { "d4" }));
    const int index = addList(fixture, ObjectKind::CombinedClues, 3.5, 400, 4, false);
    fixture.object(index).splitColumns = 1;
    gw::render::DoCombClues(fixture.page, fixture.canvas, index);
    const auto texts = fixture.drawn<TextOperation>();
    const auto &metrics = fixture.results.listMetrics[static_cast<std::size_t>(index)];
    const double step = metrics.columnGap + metrics.numberWidth + metrics.textWidth;
    // Rows: label, 1, 2 in column 1; column 2 keeps row 1 free, so 3 is at row 2.
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_NEAR(texts[5].x, metrics.margin + step, 1e-9);
    EXPECT_NEAR(texts[5].baseline, texts[1].baseline, 1e-9);
    EXPECT_EQ(texts[7].text, "Down");
    EXPECT_NEAR(texts[8].x, metrics.margin + 2 * step, 1e-9);
    EXPECT_NEAR(texts[8].baseline, texts[1].baseline, 1e-9);
    const auto boxes = fixture.drawn<LineOperation>();
    ASSERT_EQ(boxes.size(), 8u);
    EXPECT_NEAR(boxes[0].x2, metrics.margin + metrics.numberWidth + metrics.textWidth + step, 1e-9);
    EXPECT_NEAR(boxes[4].x1, metrics.margin + 2 * step, 1e-9);
    EXPECT_NEAR(boxes[4].x2, metrics.margin + 3 * step + metrics.numberWidth + metrics.textWidth, 1e-9);

    PageFixture crowded(listPuzzle(numberedClues(9), { "d" }));
    const int crowdedIndex = addList(crowded, ObjectKind::CombinedClues, 3.5, 400, 4, false);
    crowded.object(crowdedIndex).splitColumns = 1;
    gw::render::DoCombClues(crowded.page, crowded.canvas, crowdedIndex);
    EXPECT_TRUE(crowded.results.cluesOverflow);
    for (const auto &text : crowded.drawn<TextOperation>()) {
        if (text.text.rfind("clue", 0) == 0) {
            EXPECT_LT(text.x, 2 * step);
        }
    }

    PageFixture single(listPuzzle(numberedClues(2), { "d" }));
    const int singleIndex = addList(single, ObjectKind::CombinedClues, 6.5, 400, 1, false);
    single.object(singleIndex).splitColumns = 1;
    gw::render::DoCombClues(single.page, single.canvas, singleIndex);
    EXPECT_EQ(single.texts().size(), 8u);
    EXPECT_FALSE(single.results.cluesOverflow);
}

} // namespace
