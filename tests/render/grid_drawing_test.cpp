#include "export/MetafileExport.h"
#include "render/CellGrid.h"
#include "render/GridDrawing.h"
#include "render/RenderTestSupport.h"
#include "render/SamplePage.h"
#include "report/PageImage.h"
#include "report/PdfOutput.h"
#include "report/TextMetrics.h"
#include "support/ShellRun.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

using gw::layout::ObjectKind;
using gw::report::AreaOperation;
using gw::report::FillOperation;
using gw::report::LineOperation;
using gw::report::Outline;
using gw::report::TextOperation;
using gw::test::gridPuzzle;
using gw::test::layoutObject;
using gw::test::PageFixture;

constexpr std::uint32_t BoxColour = 0x00112233;
constexpr std::uint32_t BlockColour = 0x00ABCDEF;
constexpr std::uint32_t LineColour = 0x00445566;

std::vector<std::string> filledRows(int width, int height)
{
    return std::vector<std::string>(
        static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), 'A'));
}

// A fixture with one grid object in a 240 x 240 pixel (5 inch) box at the page's corner.
struct GridFixture : PageFixture
{
    explicit GridFixture(const std::vector<std::string> &rows)
        : PageFixture(gridPuzzle(rows))
    {
        gw::layout::LayoutObject grid = layoutObject(ObjectKind::Puzzle, { 48, 48, 288, 288 });
        grid.blockColour = BlockColour;
        grid.lineColour = LineColour;
        grid.numberFont = grid.textFont;
        grid.numberFont.size = 5;
        index = add(grid);
        options.boxColour = BoxColour;
    }
    void draw() { gw::render::DoPuzz(page, canvas, index); }
    template <typename Operation> std::vector<Operation> inColour(std::uint32_t colour) const
    {
        auto found = drawn<Operation>();
        std::erase_if(found, [&](const Operation &operation) { return operation.colour != colour; });
        return found;
    }
    std::vector<FillOperation> fills(std::uint32_t colour) const { return inColour<FillOperation>(colour); }
    std::vector<LineOperation> lines(std::uint32_t colour) const { return inColour<LineOperation>(colour); }
    int index = 0;
};

// Cells are square and the grid centred down a box that is wider than the grid's proportions,
// and across one that is taller.
TEST(GridDrawing, SquareCellsAreCentredInTheBox)
{
    for (const auto &[width, height] : { std::pair(15, 10), std::pair(10, 15) }) {
        GridFixture fixture(filledRows(width, height));
        fixture.draw();
        const auto cells = fixture.fills(BlockColour);
        ASSERT_EQ(cells.size(), 150u);
        const double cell = 5.0 / 15;
        EXPECT_NEAR(cells.front().box.left, 1 + (5 - width * cell) / 2, 1e-9) << width;
        EXPECT_NEAR(cells.front().box.top, 1 + (5 - height * cell) / 2, 1e-9) << width;
        EXPECT_NEAR(cells.back().box.right, 6 - (5 - width * cell) / 2, 1e-9) << width;
        EXPECT_NEAR(cells.back().box.bottom, 6 - (5 - height * cell) / 2, 1e-9) << width;
    }
}

// The outline rotated to start at its top-left corner.
Outline fromTopLeft(Outline outline)
{
    std::rotate(outline.begin(),
        std::min_element(outline.begin(), outline.end(),
            [](auto a, auto b) { return std::pair(a.y, a.x) < std::pair(b.y, b.x); }),
        outline.end());
    return outline;
}

// Filled boxes are one area, each box taking in one more device dot right and below only where
// no square of the shape follows it; a skeleton puzzle draws no boxes, and squares outside get
// nothing.
TEST(GridDrawing, FilledBoxesAreOneAreaClosedAtTheShapesBorder)
{
    const std::vector<std::string> rows { "AB#", "C##", "DE." };
    GridFixture boxes(rows);
    boxes.draw();
    EXPECT_TRUE(boxes.fills(BoxColour).empty());
    EXPECT_TRUE(boxes.lines(BoxColour).empty());
    const auto areas = boxes.drawn<AreaOperation>();
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].colour, BoxColour);
    ASSERT_EQ(areas[0].outlines.size(), 1u);
    // (3,1) and (3,2) end the rows, (3,2) has a square outside below it; (2,2) is followed by
    // (3,2) across and by an answer square below.
    const double dot = 1 / gw::report::RecordedPage::DeviceDotsPerInch;
    const auto x = [](int c) { return 1 + (c - 1) * 5.0 / 3; };
    const Outline expected { { x(3), x(1) }, { x(4) + dot, x(1) }, { x(4) + dot, x(3) + dot },
        { x(3), x(3) + dot }, { x(3), x(3) }, { x(2), x(3) }, { x(2), x(2) }, { x(3), x(2) } };
    const Outline outline = fromTopLeft(areas[0].outlines[0]);
    ASSERT_EQ(outline.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(outline[i].x, expected[i].x, 1e-9) << i;
        EXPECT_NEAR(outline[i].y, expected[i].y, 1e-9) << i;
    }
    EXPECT_EQ(boxes.fills(BlockColour).size(), 5u);

    GridFixture skeleton(rows);
    skeleton.options.useBoxes = false;
    skeleton.draw();
    EXPECT_TRUE(skeleton.drawn<AreaOperation>().empty());
    EXPECT_EQ(skeleton.lines(LineColour).size(), 5u * 4);
}

// The first pixel of the picture lighter than a dark grey that lies, with a margin of pixels
// all round, inside the filled squares of the puzzle's grid drawn in the box; the picture
// shows the sheet from the given pixel on.
std::optional<std::pair<int, int>> lightPixelInside(const QImage &picture, double dpi,
    const gw::model::PuzzleRecord &puzzle, const gw::report::InchRect &box, double margin, QPoint origin = {})
{
    const gw::render::CellGrid grid(box, puzzle.width, puzzle.height);
    const auto filled = [&](double px, double py) {
        const gw::report::InchRect first = grid.cell(1, 1);
        const int c = static_cast<int>(std::floor((px / dpi - first.left) / grid.cellWidth())) + 1;
        const int r = static_cast<int>(std::floor((py / dpi - first.top) / grid.cellHeight())) + 1;
        return grid.contains(c, r) && puzzle.cell((r - 1) * 50 + c) == ' ';
    };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double px = x + origin.x();
            const double py = y + origin.y();
            if (filled(px - margin, py - margin) && filled(px + 1 + margin, py - margin)
                && filled(px - margin, py + 1 + margin) && filled(px + 1 + margin, py + 1 + margin)
                && qGray(picture.pixel(x, y)) > 16)
                return std::pair(x + origin.x(), y + origin.y());
        }
    }
    return std::nullopt;
}

class FilledSquares : public gw::test::ScratchFolderTest
{
};

// Neighbouring filled squares of the first sample puzzle used to show hairline seams in the
// PDF and a white row in the page image at some resolutions: they form one solid area at
// every resolution, in the page image, in the PDF as a reader shows it, and in the enhanced
// metafile as a reader draws it.
TEST_F(FilledSquares, ShowNoSeamAtAnyResolution)
{
    const gw::test::SamplePage sample;
    ASSERT_TRUE(sample.printed);
    ASSERT_TRUE(sample.job->options().useBoxes) << "the sample's layout fills the boxes";
    const gw::report::RecordedPage &page = sample.page();
    const gw::render::PrintJob &job = *sample.job;
    const gw::layout::LayoutRecord &layout = job.puzzle().layout;
    const auto grid = std::find_if(layout.objects, layout.objects + layout.objectCount,
        [](const auto &object) { return object.kind == static_cast<std::int16_t>(ObjectKind::Puzzle); });
    ASSERT_NE(grid, layout.objects + layout.objectCount);
    const gw::report::InchRect box { grid->rect.left * job.scale(), grid->rect.top * job.scale(),
        grid->rect.right * job.scale(), grid->rect.bottom * job.scale() };
    const auto seamAt = [&](const QImage &picture, double dpi, double margin, QPoint origin = {}) {
        return lightPixelInside(picture, dpi, *sample.puzzle, box, margin, origin);
    };

    const std::vector<double> resolutions { 60, 72, 96, 100, 150, 300 };
    for (const double dpi : resolutions)
        EXPECT_EQ(seamAt(gw::report::renderPageImage(page, dpi), dpi, 2), std::nullopt)
            << "page image, " << dpi;

    ASSERT_TRUE(gw::report::writePdf(std::span(&page, 1), dir() / "grid.pdf", "Grid"));
    for (const double dpi : resolutions) {
        // The grid's box only, to keep the pictures small.
        const QPoint from(static_cast<int>(box.left * dpi) - 1, static_cast<int>(box.top * dpi) - 1);
        const std::string crop = " -x " + std::to_string(from.x()) + " -y " + std::to_string(from.y())
            + " -W " + std::to_string(static_cast<int>(box.width() * dpi) + 3) + " -H "
            + std::to_string(static_cast<int>(box.height() * dpi) + 3);
        const gw::test::Outcome shown = gw::test::shell("pdftoppm -png -singlefile -r " + std::to_string(dpi)
            + crop + " " + path("grid.pdf") + " " + path("pdf"));
        if (shown.status != 0)
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: " << shown.out;
        const QImage pdf(QString::fromStdString(path("pdf.png")));
        ASSERT_FALSE(pdf.isNull());
        EXPECT_EQ(seamAt(pdf, dpi, 2, from), std::nullopt) << "PDF, " << dpi;
    }

    ASSERT_TRUE(gw::exports::writeMetafile(page, dir() / "grid.emf", gw::exports::MetafileKind::Emf));
    const gw::test::Outcome svg
        = gw::test::shell("emf2svg-conv -i " + path("grid.emf") + " -o " + path("grid.svg"));
    for (const double dpi : resolutions) {
        const gw::test::Outcome drawn = gw::test::shell("rsvg-convert -z " + std::to_string(dpi / 96) + " "
            + path("grid.svg") + " -o " + path("emf.png"));
        if (svg.status != 0 || drawn.status != 0)
            GTEST_SKIP() << "emf2svg-conv or rsvg-convert is not installed: " << svg.out << drawn.out;
        const QImage emf(QString::fromStdString(path("emf.png")));
        ASSERT_FALSE(emf.isNull());
        // Metafile positions are whole pixels of 96 to the inch.
        EXPECT_EQ(seamAt(emf, dpi, 2 + dpi / 96), std::nullopt) << "EMF, " << dpi;
    }
}

// Line widths 0 and 1 give one outline per answer square; 3 gives three, each a device dot
// further in; a width read from a file as huge is held to 9.
TEST(GridDrawing, OutlineThickness)
{
    const double dot = 1 / gw::report::RecordedPage::DeviceDotsPerInch;
    for (const auto &[width, outlines] :
        { std::pair(0, 1), std::pair(1, 1), std::pair(3, 3), std::pair(1 << 30, 9) }) {
        GridFixture fixture({ "AB" });
        fixture.object(fixture.index).lineWidth = width;
        fixture.draw();
        const auto lines = fixture.lines(LineColour);
        ASSERT_EQ(lines.size(), 2u * 4 * static_cast<std::size_t>(outlines)) << width;
        for (int k = 1; k < outlines; ++k)
            EXPECT_NEAR(lines[4 * static_cast<std::size_t>(k)].x1 - lines[0].x1, k * dot, 1e-9) << width;
    }
}

// Clue numbers sit inside the top-left corner of their square, vertical numbers one digit
// under the other; a square that starts an across and a down word shows its number once.
TEST(GridDrawing, ClueNumberPositions)
{
    for (const int horizontal : { 1, 0 }) {
        GridFixture fixture({ "AB", "C." });
        fixture.object(fixture.index).numberHorizontal = static_cast<std::int16_t>(horizontal);
        fixture.puzzle->clueNumber[0] = fixture.puzzle->clueNumber[1] = 12;
        fixture.draw();
        const auto numbers = fixture.drawn<TextOperation>();
        ASSERT_EQ(numbers.size(), horizontal ? 1u : 2u);
        EXPECT_EQ(numbers[0].text, horizontal ? "12" : "1");
        for (const TextOperation &digit : numbers) {
            EXPECT_EQ(digit.font.size, 5);
            EXPECT_GT(digit.x, 1.0);
            EXPECT_LT(digit.x + digit.width, 1 + 2.5 / 2);
            EXPECT_GT(digit.baseline - digit.ascent, 1.0 - 1e-9);
        }
        if (!horizontal) {
            EXPECT_GT(numbers[1].baseline - numbers[0].baseline, numbers[0].descent);
        }
    }
}

// The answer key prints every letter centred in its square in upper case, at the largest size
// at which "W" fits, and records that size as the fitted answer size.
TEST(GridDrawing, AnswerKeyLettersAreCentred)
{
    GridFixture key({ "Ab" });
    key.puzzle->grid[1] = static_cast<std::uint8_t>('\xe9'); // lower-case e acute
    key.options.answerKey = true;
    key.object(key.index).textFont.size = 300;
    key.draw();
    auto texts = key.drawn<TextOperation>();
    ASSERT_EQ(texts.size(), 3u); // the number, then two letters
    const TextOperation &letter = texts[1];
    EXPECT_EQ(letter.text, "A");
    EXPECT_EQ(texts[2].text, "\xc9");
    const double cell = 2.5; // two squares across a 5 inch box, centred down from 2.25 inches
    EXPECT_LT(letter.font.size, 300);
    EXPECT_LT(gw::report::TextMetrics(letter.font).width("W"), cell);
    gw::report::FontSpec larger = letter.font;
    ++larger.size;
    EXPECT_GE(gw::report::TextMetrics(larger).width("W"), cell);
    EXPECT_EQ(int { key.object(key.index).fittedFontSize }, letter.font.size);
    EXPECT_NEAR(letter.x + letter.width / 2, 1 + cell / 2, 1e-9);
    EXPECT_NEAR(
        letter.baseline, 4.75 - ((cell - (letter.ascent + letter.descent)) / 2 + letter.descent), 1e-9);
}

std::vector<std::string> letters(const PageFixture &fixture)
{
    std::vector<std::string> found;
    for (const auto &text : fixture.drawn<TextOperation>())
        if (text.font.size != 5)
            found.push_back(text.text);
    return found;
}

// Partial answers print the chosen words, partial letters the chosen letters (given in any
// case) wherever a numbered word holds them, separators their characters; the answer key
// prints every letter once and nothing else.
TEST(GridDrawing, PartialAnswersLettersAndSeparators)
{
    const std::vector<std::string> rows { "CAT", "A.E", "BEE" };

    GridFixture words(rows);
    words.options.partialAnswer = true;
    words.options.partialWords[0] = 1; // CAT
    words.draw();
    EXPECT_EQ(letters(words), (std::vector<std::string> { "C", "A", "T" }));

    GridFixture chosen(rows);
    chosen.options.partialLetters = true;
    chosen.options.letters = "ae";
    chosen.page.numbered = 3; // BEE (across, entry 2) and CAB (down, entry 3)
    chosen.draw();
    EXPECT_EQ(letters(chosen), (std::vector<std::string> { "A", "A", "E", "E" }));

    GridFixture dashes({ "AB-C" });
    dashes.options.wordSepDash = true;
    dashes.draw();
    EXPECT_EQ(letters(dashes), (std::vector<std::string> { "-" }));

    GridFixture key(rows);
    key.options.answerKey = true;
    key.options.partialLetters = true;
    key.options.letters = "A";
    key.draw();
    EXPECT_EQ(letters(key).size(), 8u);
}

// Start cells, lengths and sizes read from a file can name squares off the grid: they draw
// nothing there and never reach outside the record.
TEST(GridDrawing, HostileRecordsStayOnTheGrid)
{
    GridFixture fixture({ "AB", "CD" });
    fixture.options.answerKey = false;
    fixture.options.partialAnswer = true;
    fixture.options.partialWords.fill(1);
    fixture.puzzle->startCell[0] = 0;
    fixture.puzzle->startCell[1] = 65535;
    fixture.puzzle->letterCount[2] = 65535;
    fixture.puzzle->startCell[3] = 2;
    fixture.puzzle->direction[3] = 1;
    fixture.page.numbered = 4;
    fixture.draw();
    for (const auto &text : fixture.drawn<TextOperation>()) {
        EXPECT_GE(text.x, 1.0);
        EXPECT_LE(text.x, 6.0);
        EXPECT_GE(text.baseline, 1.0);
        EXPECT_LE(text.baseline, 6.0);
    }

    for (const auto &[width, height] : { std::pair(0, 1), std::pair(5000, -3) }) {
        GridFixture broken({ "AB" });
        broken.puzzle->width = static_cast<std::int16_t>(width);
        broken.puzzle->height = static_cast<std::int16_t>(height);
        broken.draw();
        EXPECT_TRUE(broken.canvas.operations().empty()) << width;
    }
}

} // namespace
