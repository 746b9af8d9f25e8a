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

// A clue of 140 characters.
constexpr const char *LongClue
    = "Large honking bird of the farmyard that chases every visitor across the yard, "
      "guards the gate at night and lays the biggest eggs on the farm";

// A clue list object at the page's corner, rows tall at 12 points.
int addList(PageFixture &fixture, ObjectKind kind, double rows, int widthPixels, int columns, bool makeItFit)
{
    auto object
        = layoutObject(kind, { 0, 0, widthPixels, static_cast<int>(std::ceil(rows * rowPixels(12))) });
    object.columns = static_cast<std::int16_t>(columns);
    object.makeItFit = makeItFit ? 1 : 0;
    return fixture.add(object);
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

// A clue wider than its column used to be cut, or to shrink the whole list until it fitted on
// one line: it goes on over more lines, broken after the last whole word that fits, each line
// hanging under the first line's text; a word wider than the column alone is broken inside.
// An empty clue prints its number only, and none of this is an overflow.
TEST(ClueLists, LongClueWrapsUnderItsTextInsteadOfBeingCut)
{
    const std::vector<std::string> clues
        = { "short words that go on and on and on and on", "Supercalifragilisticexpialidocious", "" };
    PageFixture fixture(listPuzzle(clues));
    const int index = addList(fixture, ObjectKind::AcrossClues, 8, 96, 1, false);
    gw::render::DoClues(fixture.page, fixture.canvas, index, true);
    EXPECT_FALSE(fixture.results.cluesOverflow);
    EXPECT_EQ(int { fixture.object(index).fittedFontSize }, 12);
    const auto &metrics = fixture.results.listMetrics[static_cast<std::size_t>(index)];
    const auto texts = fixture.drawn<TextOperation>();
    const double spacing = fixture.object(index).rect.bottom / 48.0 / metrics.linesPerColumn;
    const auto width
        = [&](const std::string &text) { return gw::report::TextMetrics(texts[0].font).width(text); };

    std::size_t at = 0;
    for (std::size_t k = 0; k < clues.size(); ++k) {
        ASSERT_LT(at, texts.size());
        const TextOperation &number = texts[at++];
        EXPECT_EQ(number.text, std::to_string(k + 1) + ".");
        std::vector<TextOperation> lines;
        while (at < texts.size() && texts[at].text.back() != '.')
            lines.push_back(texts[at++]);
        std::string joined;
        for (std::size_t j = 0; j < lines.size(); ++j) {
            EXPECT_NEAR(lines[j].x, number.x + metrics.numberWidth, 1e-9) << lines[j].text;
            EXPECT_NEAR(lines[j].baseline, number.baseline + static_cast<double>(j) * spacing, 1e-9);
            EXPECT_LT(lines[j].width, metrics.textWidth) << lines[j].text;
            EXPECT_NE(lines[j].text.front(), ' ');
            EXPECT_NE(lines[j].text.back(), ' ');
            joined += (j == 0 || k == 1 ? "" : " ") + lines[j].text;
            // The next line's first word would not have fitted after this line's last.
            if (k == 0 && j + 1 < lines.size()) {
                const std::string next = lines[j + 1].text.substr(0, lines[j + 1].text.find(' '));
                EXPECT_GE(width(lines[j].text + " " + next), metrics.textWidth) << lines[j].text;
            }
        }
        EXPECT_EQ(joined, clues[k]);
        EXPECT_EQ(lines.size() >= 2, k < 2) << clues[k];
        EXPECT_EQ(lines.empty(), k == 2) << clues[k];
        EXPECT_EQ(fixture.results.clueLines[k], static_cast<int>(lines.size()));
        EXPECT_EQ(fixture.results.clueCharacters[k], static_cast<int>(clues[k].size()));
    }
    EXPECT_EQ(at, texts.size());
}

// Clues that do not fit, short ones in two columns or wrapped ones in one, are flagged without
// Make It Fit, those that fit printed column by column; with it the font shrinks until all fit.
TEST(ClueLists, WrappedCluesThatDoNotFitOverflowOrShrink)
{
    const struct
    {
        std::vector<std::string> clues;
        double rows;
        int width, columns, fitting;
    } cases[] = {
        { numberedClues(12), 5.5, 300, 2, 10 },
        { std::vector<std::string>(4, "a clue long enough to need two lines in its column"), 7.5, 144, 1, 3 },
    };
    for (const auto &c : cases) {
        for (const bool makeItFit : { false, true }) {
            PageFixture fixture(listPuzzle(c.clues));
            const int index
                = addList(fixture, ObjectKind::AcrossClues, c.rows, c.width, c.columns, makeItFit);
            gw::render::DoClues(fixture.page, fixture.canvas, index, true);
            EXPECT_EQ(fixture.results.cluesOverflow, !makeItFit);
            const int size = fixture.object(index).fittedFontSize;
            EXPECT_EQ(size < 12, makeItFit);
            EXPECT_EQ(fixture.results.listMetrics[static_cast<std::size_t>(index)].lastFitting,
                makeItFit ? static_cast<int>(c.clues.size()) : c.fitting);
            const auto texts = fixture.drawn<TextOperation>();
            EXPECT_EQ(texts[0].font.size, size);
            if (c.columns == 2 && !makeItFit) { // 20 texts; entry 6 starts column 2 on the first row
                ASSERT_EQ(texts.size(), 20u);
                EXPECT_GT(texts[10].x, texts[9].x + texts[9].width);
                EXPECT_NEAR(texts[10].baseline, texts[0].baseline, 1e-9);
            }
        }
    }
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

// One long clue used to shrink its own list alone, so that the two lists printed at different
// sizes: now both print at the largest size at which each of them fits, the smaller list's.
TEST(ClueLists, AcrossAndDownListsPrintAtOneSize)
{
    const std::vector<std::string> across = { "Young pig", "Gobbling bird" };
    for (const int downCount : { 1, 30 }) {
        PageFixture fixture(listPuzzle(across, numberedClues(downCount)));
        fixture.puzzle->clues[2].assign(LongClue);
        const int acrossIndex = addList(fixture, ObjectKind::AcrossClues, 12, 144, 1, true);
        const int downIndex = addList(fixture, ObjectKind::DownClues, 12, 144, 1, true);
        gw::render::DoClues(fixture.page, fixture.canvas, acrossIndex, true);
        gw::render::DoClues(fixture.page, fixture.canvas, downIndex, false);
        EXPECT_FALSE(fixture.results.cluesOverflow);
        const int size = fixture.object(downIndex).fittedFontSize;
        EXPECT_EQ(int { fixture.object(acrossIndex).fittedFontSize }, size) << downCount;
        EXPECT_EQ(size == 12, downCount == 1) << "thirty clues do not fit in twelve rows";
        for (const TextOperation &text : fixture.drawn<TextOperation>())
            EXPECT_EQ(text.font.size, size) << text.text;
        EXPECT_EQ(fixture.results.clueCharacters[2], 140);
        EXPECT_GE(fixture.results.clueLines[2], 2);
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
    // Row 5 of column 1 is left: "Down" and "d4" go to the top of column 2, each label boxed.
    const auto texts = fixture.drawn<TextOperation>();
    EXPECT_NEAR(texts[7].baseline, texts[0].baseline, 1e-9);
    const auto &metrics = fixture.results.listMetrics[static_cast<std::size_t>(index)];
    EXPECT_NEAR(texts[8].x, texts[1].x + metrics.columnGap + metrics.numberWidth + metrics.textWidth, 1e-9);
    EXPECT_EQ(fixture.drawn<LineOperation>().size(), 8u);
    EXPECT_FALSE(fixture.results.cluesOverflow);
}

// In the combined clues a long clue wraps as in a list and keeps its lines together: one that
// does not fit below the entries before it starts the next column, whose rows it fills
// from the top; the down label still moves on with the whole of the first down entry.
TEST(CombinedClues, LongClueWrapsAndKeepsItsLinesInOneColumn)
{
    PageFixture fixture(listPuzzle({ "a1", "a2", LongClue }, { LongClue }));
    fixture.options.downLabel = "Down";
    const int index = addList(fixture, ObjectKind::CombinedClues, 7.5, 400, 3, false);
    gw::render::DoCombClues(fixture.page, fixture.canvas, index);
    EXPECT_FALSE(fixture.results.cluesOverflow);
    const auto &metrics = fixture.results.listMetrics[static_cast<std::size_t>(index)];
    ASSERT_EQ(metrics.linesPerColumn, 7);
    const int lines = fixture.results.clueLines[2];
    ASSERT_GT(lines, 3) << "more than the rows left below entry 2";
    ASSERT_LT(lines, 7);
    const auto texts = fixture.drawn<TextOperation>();
    const double spacing = fixture.object(index).rect.bottom / 48.0 / 7;
    const double step = metrics.columnGap + metrics.numberWidth + metrics.textWidth;
    // "Across", 1., a1, 2., a2, then entry 3 at the top of column 2.
    ASSERT_GT(texts.size(), 6u + static_cast<std::size_t>(lines));
    EXPECT_EQ(texts[5].text, "3.");
    EXPECT_NEAR(texts[5].x, metrics.margin + step, 1e-9);
    for (int j = 0; j < lines; ++j) {
        const TextOperation &line = texts[6 + static_cast<std::size_t>(j)];
        EXPECT_NEAR(line.x, metrics.margin + step + metrics.numberWidth, 1e-9) << line.text;
        EXPECT_NEAR(line.baseline, (j + 0.8) * spacing, 1e-9) << line.text;
    }
    // The down label goes where its entry's lines fit below it too.
    const TextOperation &label = texts[6 + static_cast<std::size_t>(lines)];
    EXPECT_EQ(label.text, "Down");
    const bool sameColumn = lines + 1 + fixture.results.clueLines[3] <= 7;
    EXPECT_NEAR(label.baseline, ((sameColumn ? lines : 0) + 0.8) * spacing, 1e-9);
    EXPECT_EQ(fixture.results.clueCharacters[3], 140);
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
    EXPECT_GT(boxes[4].x2 - boxes[4].x1, step) << "each label spans two columns";

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
}

} // namespace
