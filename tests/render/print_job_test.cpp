#include "render/PrintJob.h"
#include "render/PrintMessages.h"
#include "render/RenderTestSupport.h"

#include <QImage>
#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using gw::layout::ObjectKind;
using gw::report::TextOperation;
using gw::test::gridPuzzle;
using gw::test::layoutObject;
using gw::test::listPuzzle;

struct Printed
{
    bool finished = false;
    std::vector<std::string> texts;
    gw::report::ReportEngine engine;
};

std::unique_ptr<Printed> print(gw::render::PrintJob &job)
{
    auto printed = std::make_unique<Printed>();
    printed->finished = job.run(printed->engine);
    if (!printed->engine.pages().empty()) {
        for (const auto &operation : printed->engine.pages().front().operations())
            if (const auto *text = std::get_if<TextOperation>(&operation))
                printed->texts.push_back(text->text);
    }
    return printed;
}

void addObject(
    gw::model::PuzzleRecord &puzzle, ObjectKind kind, gw::layout::PixelRect rect, std::string_view text = "")
{
    auto object = layoutObject(kind, rect);
    object.setText(text);
    puzzle.layout.objects[puzzle.layout.objectCount++] = object;
}

bool contains(const std::vector<std::string> &texts, const std::string &wanted)
{
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

// N stops at the last placed entry; counts read from a file are held to 200.
TEST(PrintJob, NumberedWordCount)
{
    auto puzzle = listPuzzle({ "a", "b", "c", "d", "e" });
    puzzle->placed[4] = 0;
    puzzle->placed[3] = 0;
    puzzle->placed[1] = 0;
    EXPECT_EQ(gw::render::numberedWordCount(*puzzle), 3);
    puzzle->wordCount = 30000;
    EXPECT_EQ(gw::render::numberedWordCount(*puzzle), 3);
    puzzle->placed[199] = 1;
    EXPECT_EQ(gw::render::numberedWordCount(*puzzle), 200);
    puzzle->wordCount = -7;
    EXPECT_EQ(gw::render::numberedWordCount(*puzzle), 0);
}

// A Letter layout printed on A4 keeps its proportions: the smaller ratio wins.  A header
// without a page size falls back on its own pixels per inch.
TEST(PrintJob, PageScale)
{
    gw::layout::LayoutRecord letter = gw::layout::defaultLayout();
    EXPECT_DOUBLE_EQ(gw::render::pageScale(letter, 210 / 25.4, 297 / 25.4), 210 / 25.4 / 408);
    EXPECT_DOUBLE_EQ(gw::render::pageScale(letter, 8.5, 11), 8.5 / 408);
    letter.pageWidthPixels = 0;
    letter.pageHeightPixels = -5;
    letter.zoom = 3;
    EXPECT_DOUBLE_EQ(gw::render::pageScale(letter, 8.5, 11), 1.0 / 96);
    letter.unitInches = 0;
    EXPECT_DOUBLE_EQ(gw::render::pageScale(letter, 8.5, 11), 1.0 / (40 * 2.54));
}

// The paper comes from the layout: named sizes by their code, anything else as a custom size
// converted from centimetres, and a landscape custom page comes back as the layout lies.
TEST(PrintJob, PaperFromTheLayout)
{
    const struct
    {
        const char *paper;
        double width, height;
        bool inches, portrait;
        double sheetWidth, sheetHeight;
    } papers[] = {
        { "A4", 21, 29.7, false, true, 8.27, 11.69 },
        { "Letter", 11, 8.5, true, false, 11, 8.5 },
        { "Custom", 21, 29.7, false, true, 8.27, 11.69 },
        { "Custom", 12, 5, true, false, 12, 5 },
        { "Custom", std::nan(""), -4, true, true, 8.5, gw::report::PageSetup::SmallestSide },
    };
    for (const auto &paper : papers) {
        auto puzzle = listPuzzle({});
        puzzle->layout.paperName.assign(paper.paper);
        puzzle->layout.pageWidth = paper.width;
        puzzle->layout.pageHeight = paper.height;
        puzzle->layout.unitInches = paper.inches ? 1 : 0;
        puzzle->layout.portrait = paper.portrait ? 1 : 0;
        gw::render::PrintJob job(*puzzle, {});
        print(job);
        EXPECT_NEAR(job.sheetWidth(), paper.sheetWidth, 0.01) << paper.paper << " " << paper.width;
        EXPECT_NEAR(job.sheetHeight(), paper.sheetHeight, 0.01) << paper.paper << " " << paper.width;
    }
}

// The part check boxes hide their kinds: clues take the headers, both lists and the combined
// clues; free text stays.  An empty bonus question prints nothing.
TEST(PrintJob, PartsToPrint)
{
    auto puzzle = listPuzzle({ "across clue" }, { "down clue" });
    puzzle->title.assign("The Title");
    addObject(*puzzle, ObjectKind::Title, { 48, 24, 360, 48 });
    addObject(*puzzle, ObjectKind::AcrossHeader, { 48, 60, 200, 80 }, "Over");
    addObject(*puzzle, ObjectKind::AcrossClues, { 48, 80, 200, 200 });
    addObject(*puzzle, ObjectKind::DownClues, { 200, 80, 360, 200 });
    addObject(*puzzle, ObjectKind::CombinedClues, { 48, 200, 360, 300 }, "Over:Under");
    addObject(*puzzle, ObjectKind::Text, { 48, 300, 360, 340 }, "Free text");
    addObject(*puzzle, ObjectKind::BonusQuestion, { 48, 340, 360, 380 });
    addObject(*puzzle, ObjectKind::WordList, { 48, 400, 360, 480 });

    gw::render::PrintOptions options;
    options.takeLayout(puzzle->layout);
    gw::render::PrintJob everything(*puzzle, options);
    auto printed = print(everything);
    for (const char *text : { "The Title", "Over", "down clue", "Under", "Free text", "WORD1" })
        EXPECT_TRUE(contains(printed->texts, text)) << text;

    options.printClues = false;
    options.printTitle = false;
    gw::render::PrintJob wordsWithoutClues(*puzzle, options);
    EXPECT_TRUE(contains(print(wordsWithoutClues)->texts, "WORD1")) << "the word list has a box of its own";
    options.printWords = false;
    gw::render::PrintJob fewer(*puzzle, options);
    fewer.puzzle().bonusQuestion.assign("Why?");
    printed = print(fewer);
    EXPECT_EQ(printed->texts, (std::vector<std::string> { "Free text", "Why?" }));
    options.printBonus = false;
    gw::render::PrintJob noBonus(*puzzle, options);
    noBonus.puzzle().bonusQuestion.assign("Why?");
    EXPECT_EQ(print(noBonus)->texts, (std::vector<std::string> { "Free text" }));
}

// Text that does not fit is reported after the run, clues before words before text, under the
// status line; the fitted sizes land in the job's copy of the puzzle, never the original.
TEST(PrintJob, WarningsAndStatus)
{
    auto puzzle = listPuzzle({ "a clue far too long for the tiny box it has been given" });
    addObject(*puzzle, ObjectKind::AcrossClues, { 48, 48, 60, 52 });
    addObject(*puzzle, ObjectKind::WordList, { 48, 60, 50, 62 });
    addObject(*puzzle, ObjectKind::Text, { 48, 70, 50, 72 }, "words");
    for (int slot = 0; slot < 3; ++slot)
        puzzle->layout.objects[slot].makeItFit = 0;
    gw::render::PrintJob job(*puzzle, {});
    auto printed = print(job);
    EXPECT_EQ(job.warnings(),
        (std::vector<gw::Failure> {
            gw::render::cluesOverflow(), gw::render::wordsOverflow(), gw::render::textOverflow() }));
    const auto lines = job.statusLines(false);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0] + lines[3], "Puzzle Generated!" + gw::render::textOverflow().text);
    EXPECT_EQ(job.statusLines(true), (std::vector<std::string> { "Puzzle Generation Canceled!" }));
    EXPECT_EQ(int { puzzle->layout.objects[0].fittedFontSize }, 0);
    EXPECT_EQ(int { job.puzzle().layout.objects[0].fittedFontSize }, 12);

    // A second run starts with cleared flags.
    job.puzzle().layout.objectCount = 0;
    print(job);
    EXPECT_TRUE(job.warnings().empty());
}

// A missing bitmap file warns once and leaves its object empty; a present one is drawn.
TEST(PrintJob, Bitmaps)
{
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("gw-render-" + std::to_string(::getpid()) + ".bmp");
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(QString::fromStdString(file.string()), "BMP"));

    auto puzzle = listPuzzle({});
    addObject(*puzzle, ObjectKind::Bitmap, { 48, 48, 96, 96 });
    puzzle->layout.objects[0].bitmapPath.assign(file.string());
    addObject(*puzzle, ObjectKind::Bitmap, { 96, 96, 144, 144 });
    puzzle->layout.objects[1].bitmapPath.assign("/nowhere/missing.bmp");
    for (int slot = 0; slot < 2; ++slot)
        puzzle->layout.objects[slot].transparent = 0; // stretched, not tiled
    gw::render::PrintJob job(*puzzle, {});
    auto printed = print(job);
    std::filesystem::remove(file);
    EXPECT_EQ(job.bitmapWarning(), gw::render::missingBitmaps());
    int bitmaps = 0;
    for (const auto &operation : printed->engine.pages().front().operations())
        bitmaps += std::holds_alternative<gw::report::BitmapOperation>(operation) ? 1 : 0;
    EXPECT_EQ(bitmaps, 1);
}

// A hostile layout (too many objects, unknown kinds, boxes inverted or beyond any page,
// fonts of no size or huge, columns of none) draws without reaching outside the sheet.
TEST(PrintJob, HostileLayoutStaysOnTheSheet)
{
    auto puzzle = gridPuzzle({ "CAT", "A.E", "BEE" });
    const gw::layout::PixelRect rects[] = { { INT_MAX, INT_MIN, INT_MIN, INT_MAX }, { 300, 300, 100, 100 },
        { -500, -500, 5000, 5000 }, { INT_MIN, 10, INT_MAX, 20 } };
    const ObjectKind kinds[]
        = { ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::AcrossClues, ObjectKind::CombinedClues,
              ObjectKind::WordList, ObjectKind::Text, ObjectKind::Rectangle, ObjectKind::Circle };
    int slot = 0;
    for (const auto &rect : rects) {
        for (const ObjectKind kind : kinds) {
            if (slot == gw::layout::MaxObjects)
                break;
            auto object = layoutObject(kind, rect);
            object.textFont.size = static_cast<std::int16_t>(slot % 3 == 0 ? 0 : slot % 3 == 1 ? -3 : 32767);
            object.columns = static_cast<std::int16_t>(slot % 2 ? 0 : -9);
            object.useBorder = 1;
            object.borderWidth = 32767;
            object.setText("some text\r\nwith lines");
            puzzle->layout.objects[slot++] = object;
        }
    }
    puzzle->layout.objects[3].kind = 0;
    puzzle->layout.objects[4].kind = 99;
    puzzle->layout.objectCount = 400;
    gw::render::PrintJob job(*puzzle, {});
    auto printed = print(job);
    ASSERT_TRUE(printed->finished);
    const double dots = 9 / gw::report::RecordedPage::DeviceDotsPerInch + 1e-9;
    const auto inside
        = [&](double x, double y) { return x >= -dots && x <= 8.5 + dots && y >= -dots && y <= 11 + dots; };
    for (const auto &operation : printed->engine.pages().front().operations()) {
        if (const auto *line = std::get_if<gw::report::LineOperation>(&operation)) {
            EXPECT_TRUE(inside(line->x1, line->y1) && inside(line->x2, line->y2));
        } else if (const auto *fill = std::get_if<gw::report::FillOperation>(&operation)) {
            EXPECT_TRUE(inside(fill->box.left, fill->box.top) && inside(fill->box.right, fill->box.bottom));
        } else if (const auto *text = std::get_if<TextOperation>(&operation)) {
            // Text too wide for its box may spill over the sheet's edges, as the replay cuts
            // it there, but it always overlaps the sheet.
            EXPECT_TRUE(text->x <= 8.5 && text->x + text->width >= 0) << text->text;
            EXPECT_TRUE(text->baseline - text->ascent <= 11 && text->baseline + text->descent >= 0)
                << text->text;
            EXPECT_TRUE(text->font.size >= 1 && text->font.size <= gw::report::MaxPointSize);
        }
    }
}

} // namespace
