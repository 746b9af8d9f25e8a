#include "render/FreeText.h"
#include "render/OneLineText.h"
#include "render/RenderTestSupport.h"
#include "render/WordListDrawing.h"
#include "report/TextMetrics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using gw::layout::ObjectKind;
using gw::report::LineOperation;
using gw::report::TextOperation;
using gw::test::layoutObject;
using gw::test::listPuzzle;
using gw::test::PageFixture;
using gw::test::rowPixels;

int addObject(PageFixture &fixture, ObjectKind kind, gw::layout::PixelRect rect, bool makeItFit)
{
    auto object = layoutObject(kind, rect);
    object.makeItFit = makeItFit ? 1 : 0;
    return fixture.add(object);
}

int rows(double count)
{
    return static_cast<int>(std::ceil(count * rowPixels(12)));
}

// One-line objects align across, centre down by ascent and descent, and shrink no further
// than 2 points without ever raising a flag; the border is drawn over the text.
TEST(TextLine, AlignmentCentringAndShrinking)
{
    PageFixture fixture(listPuzzle({}));
    for (const int alignment : { 1, 2, 3, 7 }) {
        const int index = addObject(fixture, ObjectKind::Title, { 48, 96, 240, 144 }, false);
        fixture.object(index).alignment = static_cast<std::int16_t>(alignment);
        gw::render::DoTextLine(fixture.page, fixture.canvas, index, "Quiz");
    }
    const auto texts = fixture.drawn<TextOperation>();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_DOUBLE_EQ(texts[0].x, 1.0);
    EXPECT_NEAR(texts[1].x, 1.0 + (4.0 - texts[1].width) / 2, 1e-9);
    EXPECT_NEAR(texts[2].x, 5.0 - texts[2].width, 1e-9);
    EXPECT_DOUBLE_EQ(texts[3].x, 1.0);
    EXPECT_NEAR(texts[0].baseline, 2.5 + (texts[0].ascent - texts[0].descent) / 2, 1e-9);

    const int tight = addObject(fixture, ObjectKind::Title, { 0, 0, 2, 2 }, true);
    fixture.object(tight).useBorder = 1;
    gw::render::DoTextLine(fixture.page, fixture.canvas, tight, "A title far wider than its box");
    EXPECT_EQ(int { fixture.object(tight).fittedFontSize }, 2);
    EXPECT_EQ(fixture.drawn<TextOperation>().back().font.size, 2);
    EXPECT_FALSE(fixture.results.cluesOverflow || fixture.results.wordsOverflow);
    EXPECT_TRUE(std::holds_alternative<LineOperation>(fixture.canvas.operations().back())) << "border last";
}

// The word list holds the numbered words in upper case in byte order, column after column.
TEST(WordList, SortedUpperCaseColumns)
{
    auto puzzle = listPuzzle({ "", "", "", "" });
    puzzle->words[0].assign("pear");
    puzzle->words[1].assign("Apple");
    puzzle->words[2].assign("fig");
    puzzle->words[3].assign("\xe9tude"); // lower-case e acute
    PageFixture fixture(std::move(puzzle));
    const int index = addObject(fixture, ObjectKind::WordList, { 0, 0, 192, rows(2.5) }, false);
    fixture.object(index).columns = 2;
    gw::render::DoWords(fixture.page, fixture.canvas, index);
    EXPECT_EQ(fixture.texts(), (std::vector<std::string> { "APPLE", "FIG", "PEAR", "\xc9TUDE" }));
    const auto texts = fixture.drawn<TextOperation>();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_GT(texts[2].x, texts[1].x + texts[1].width);
    EXPECT_NEAR(texts[2].baseline, texts[0].baseline, 1e-9);
    EXPECT_FALSE(fixture.results.wordsOverflow);
    EXPECT_EQ(fixture.results.wordCharacters, (std::vector<int> { 5, 3, 4, 5 }));
}

// A word wider than its column leaves its row blank and is reported; words past the last
// column are not printed.
TEST(WordList, WideWordsAndOverflow)
{
    auto puzzle = listPuzzle({ "", "", "" });
    puzzle->words[0].assign("Z");
    puzzle->words[1].assign("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    puzzle->words[2].assign("A");
    PageFixture fixture(std::move(puzzle));
    const int index = addObject(fixture, ObjectKind::WordList, { 0, 0, 96, rows(2.5) }, false);
    gw::render::DoWords(fixture.page, fixture.canvas, index);
    EXPECT_EQ(fixture.texts(), (std::vector<std::string> { "A" }));
    EXPECT_TRUE(fixture.results.wordsOverflow);
    EXPECT_EQ(fixture.results.listMetrics[static_cast<std::size_t>(index)].lastFitting, 2);
    EXPECT_EQ(fixture.results.wordCharacters, (std::vector<int> { 1, 0, 0 }));
}

// Lines break at blanks before they grow too wide and at every line break, which is not
// printed; a word too wide on its own, more lines than the box holds or more than 100 lines
// fail, and the lines before stay.
TEST(TextWrap, BreaksAndFailures)
{
    std::string many;
    for (int i = 0; i < 120; ++i)
        many += "w\r\n";
    const struct
    {
        std::string text;
        int width;
        double rows; // at 12 points
        int size;
        std::vector<std::string> lines;
        bool fits;
    } cases[] = {
        { "one\r\ntwo  three", 480, 5.5, 12, { "one", "two  three" }, true },
        { "aa bb cc dd", 15, 4.5, 12, { "aa", "bb", "cc", "dd" }, true },
        { "aa bb cc dd", 15, 3.5, 12, { "aa", "bb", "cc" }, false },
        { "aa Extraordinarily bb", 15, 5.5, 12, { "aa" }, false },
        { many, 480, 50, 4, std::vector<std::string>(100, "w"), false },
    };
    for (const auto &c : cases) {
        PageFixture fixture(listPuzzle({}));
        const int index = addObject(fixture, ObjectKind::Text, { 0, 0, c.width, rows(c.rows) }, false);
        fixture.object(index).setText(c.text);
        fixture.object(index).textFont.size = static_cast<std::int16_t>(c.size);
        gw::render::DoText(fixture.page, fixture.canvas, index);
        EXPECT_EQ(fixture.texts(), c.lines) << c.text;
        EXPECT_EQ(fixture.results.textOverflow[0], !c.fits) << c.text;
    }
}

// Free text lines are one measuring-string height apart and aligned one by one; each text
// object keeps its own lines and overflow flag under its number.
TEST(FreeText, LinesAndResults)
{
    PageFixture fixture(listPuzzle({}));
    const int first = addObject(fixture, ObjectKind::Text, { 48, 48, 240, 48 + rows(3.5) }, false);
    fixture.object(first).setText("Hello\r\nthere world");
    fixture.object(first).alignment = 3;
    const int second = addObject(fixture, ObjectKind::Text, { 48, 300, 96, 300 + rows(1.5) }, false);
    fixture.object(second).setText("aa bb cc dd ee");
    gw::render::DoText(fixture.page, fixture.canvas, first);
    gw::render::DoText(fixture.page, fixture.canvas, second);

    const auto texts = fixture.drawn<TextOperation>();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Hello");
    EXPECT_EQ(texts[1].text, "there world");
    const double h = texts[0].ascent + texts[0].descent;
    EXPECT_NEAR(texts[0].baseline, 1 + 0.8 * h, 1e-9);
    EXPECT_NEAR(texts[1].baseline - texts[0].baseline, h, 1e-9);
    EXPECT_NEAR(texts[1].x + texts[1].width, 5.0, 1e-9);
    EXPECT_EQ(fixture.results.textCount, 2);
    EXPECT_EQ(fixture.results.texts[0].count, 2);
    EXPECT_FALSE(fixture.results.textOverflow[0]);
    EXPECT_TRUE(fixture.results.textOverflow[1]);
}

} // namespace
