#include "platform/RecordFile.h"
#include "render/PdfReading.h"
#include "render/PrintMessages.h"
#include "render/SamplePage.h"
#include "support/ShellRun.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using gw::test::lines;
using gw::test::Outcome;
using gw::test::samplePuzzle;
using gw::test::shell;

const fs::path Sample = fs::path(GW_SOURCE_DIR) / "data" / "SAMPLE.ZP3";
const fs::path Library = fs::path(GW_SOURCE_DIR) / "data" / "ZPFPAGE.DAT";

class PrintCommand : public gw::test::ScratchFolderTest
{
protected:
    // The command line tool's "print", run in the test's own directory, where it looks for
    // GRIDW3.INI.
    Outcome cli(const std::string &arguments) const { return command("print " + arguments); }
    Outcome command(const std::string &arguments) const
    {
        return shell("cd " + dir().string() + " && " + GW_CLI_PATH + " " + arguments);
    }
    // The PDF's text in the order it was drawn; empty without poppler.
    std::string pdfText(const std::string &name) const
    {
        return gw::test::pdfText(QString::fromStdString(path(name))).toStdString();
    }
};

// The PDF's text as one line: a clue that goes on over more lines reads as one run.
std::string joinedLines(const std::string &text)
{
    std::string joined;
    for (const std::string &line : lines(text))
        joined += (joined.empty() ? "" : " ") + line;
    return joined;
}

// Every word of every clue reaches the PDF, numbered, across before down, in order, under the
// title, also a clue of 140 characters far wider than its column (it used to shrink its list to
// about 3 points).  The bundled layouts' test prints the other samples whole.
TEST_F(PrintCommand, EveryWordOfEveryClueInOrder)
{
    auto puzzle = samplePuzzle(0);
    puzzle->clues[11].assign("Large honking bird of the farmyard that chases every visitor across the yard, "
                             "guards the gate at night and lays the biggest eggs on the farm");
    ASSERT_EQ(puzzle->clues[11].size(), 140u);
    {
        auto file = gw::RecordFile::create(path("long.ZP3"), sizeof(gw::model::PuzzleRecord));
        ASSERT_TRUE(file && file->append(puzzle.get()));
    }
    const Outcome printed = cli(path("long.ZP3") + " 0 --pdf " + path("out.pdf"));
    ASSERT_EQ(printed.status, 0) << printed.out;
    EXPECT_EQ(printed.out.find("warning"), std::string::npos) << printed.out;
    const std::string text = pdfText("out.pdf");
    if (text.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_EQ(lines(text)[0], puzzle->title.str());
    const std::string drawn = joinedLines(text);
    std::size_t at = 0;
    for (int k = 1; k <= puzzle->wordCount; ++k) {
        const std::string wanted
            = std::to_string(puzzle->clueNumber[k - 1]) + ". " + puzzle->clues[k - 1].str();
        at = drawn.find(wanted, at);
        ASSERT_NE(at, std::string::npos) << wanted;
    }
}

// The answer key prints the letters of the grid, which the drawing tests check one by one; the
// puzzle printed by default none.
TEST_F(PrintCommand, AnswerKeyAndBlankPuzzle)
{
    const std::string row = "P I G L E T D U C K"; // the first row of the first sample puzzle
    ASSERT_EQ(cli(Sample.string() + " 0 --answer-key --pdf " + path("key.pdf")).status, 0);
    const std::string key = pdfText("key.pdf");
    if (key.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    const auto drawn = lines(key);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), row), drawn.end()) << key;

    ASSERT_EQ(cli(Sample.string() + " 0 --pdf " + path("blank.pdf")).status, 0);
    const auto blank = lines(pdfText("blank.pdf"));
    EXPECT_EQ(std::find(blank.begin(), blank.end(), row), blank.end());
}

// The settings file of the current directory gives the options; switches override them.
TEST_F(PrintCommand, SettingsAndSwitches)
{
    std::ofstream(path("GRIDW3.INI")) << "[Reports]\r\nPrint Clues=No\r\n";
    ASSERT_EQ(cli(Sample.string() + " 0 --no-title --pdf " + path("out.pdf")).status, 0);
    const std::string text = pdfText("out.pdf");
    if (text.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_EQ(text.find("Farm Animals"), std::string::npos);
    EXPECT_EQ(text.find("Young pig"), std::string::npos);
    EXPECT_NE(text.find("19"), std::string::npos);
}

// Refusals (a record or layout that is not there, a bad resolution, no output) go to
// standard error with a failing status and leave no file behind; a puzzle never generated is
// refused with the main window's warning.
TEST_F(PrintCommand, RefusalsLeaveNoFile)
{
    auto fresh = samplePuzzle(0);
    fresh->generated = 0;
    {
        auto file = gw::RecordFile::create(path("new.ZP3"), sizeof(gw::model::PuzzleRecord));
        ASSERT_TRUE(file && file->append(fresh.get()));
    }
    Outcome refused = cli(path("new.ZP3") + " 0 --pdf " + path("out.pdf"));
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.out.find(gw::render::neverGenerated().text), std::string::npos);

    for (const std::string &arguments :
        { Sample.string() + " 9 --pdf " + path("out.pdf"), Sample.string() + " 0",
            Sample.string() + " 0 --png " + path("out.png") + " --dpi 5",
            Sample.string() + " 0 --pdf " + path("out.pdf") + " --dpi 100",
            Sample.string() + " x --pdf " + path("out.pdf"),
            Sample.string() + " 0 --pdf " + path("none/out.pdf"),
            Sample.string() + " 0 --pdf " + path("out.pdf") + " --layout 7 --library " + Library.string(),
            Sample.string() + " 0 --pdf " + path("out.pdf") + " --layout x --library " + Library.string() }) {
        refused = cli(arguments);
        EXPECT_NE(refused.status, 0) << arguments;
        EXPECT_FALSE(refused.out.empty()) << arguments;
    }
    EXPECT_FALSE(fs::exists(path("out.pdf")));
    EXPECT_FALSE(fs::exists(path("out.png")));
}

// The command-line tool's "layouts" and "print --layout".
class LayoutsCommand : public PrintCommand
{
};

// Sorted as the chooser lists them (its test checks the whole list), each with its record
// number, the default marked; the settings file of the current directory moves the mark.
TEST_F(LayoutsCommand, ListsTheLibraryAsTheChooser)
{
    const Outcome listed = command("layouts --library " + Library.string());
    ASSERT_EQ(listed.status, 0) << listed.out;
    EXPECT_EQ(listed.out.rfind("1\tClassic A4 (A4)\n0\tClassic Letter (Letter)  <<DEFAULT>>\n4\t", 0), 0u)
        << listed.out;

    std::ofstream(path("GRIDW3.INI")) << "[Page Layout]\nDefault Page=3\n";
    const Outcome moved = command("layouts --library " + Library.string());
    EXPECT_NE(moved.out.find("3\tWord List (Letter)  <<DEFAULT>>\n"), std::string::npos) << moved.out;
    EXPECT_NE(moved.out.find("0\tClassic Letter (Letter)\n"), std::string::npos) << moved.out;
}

int darkPixels(const QImage &page)
{
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return dark;
}

// "--skeleton" printed the same page as without it and nothing turned the filled boxes on: each
// now forces its style over the layout's, on the filled layout 0 and the skeleton layout 6.
// The pictures show the Letter sheet at the asked resolution.
TEST_F(LayoutsCommand, SkeletonAndBoxesOverrideTheLayout)
{
    const auto page = [&](const std::string &layout, const std::string &style) {
        const std::string png = path("page" + layout + style + ".png");
        const Outcome printed = cli(Sample.string() + " 0 --png " + png + " --dpi 30 --layout " + layout
            + " --library " + Library.string() + " " + style);
        EXPECT_EQ(printed.status, 0) << printed.out;
        return QImage(QString::fromStdString(png));
    };
    for (const std::string layout : { "0", "6" }) {
        const QImage skeleton = page(layout, "--skeleton");
        const QImage boxes = page(layout, "--boxes");
        EXPECT_GT(darkPixels(boxes), darkPixels(skeleton)) << layout;
        EXPECT_EQ(boxes.size(), QSize(255, 330));
        EXPECT_EQ(page(layout, ""), layout == "0" ? boxes : skeleton) << layout;
    }
    const Outcome both = cli(Sample.string() + " 0 --pdf " + path("out.pdf") + " --skeleton --boxes");
    EXPECT_NE(both.status, 0);
    EXPECT_NE(both.out.find("give --skeleton or --boxes, not both"), std::string::npos) << both.out;
    EXPECT_FALSE(fs::exists(path("out.pdf")));
}

} // namespace
