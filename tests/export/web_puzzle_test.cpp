#include "export/CrosswordFiles.h"
#include "export/CrosswordGrid.h"
#include "export/ExportTestSupport.h"
#include "export/WebPuzzle.h"
#include "platform/Windows1252.h"
#include "render/RenderTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <tuple>

namespace {

using namespace gw;
using namespace gw::test;

using Numbered = std::set<std::tuple<int, int, int>>; // number, column, row

Numbered pageNumbers(const std::string &page)
{
    static const std::regex numbered(R"re(grid-area:(\d+)/(\d+)"><span class="n">(\d+)</span>)re");
    Numbered found;
    for (auto match = std::sregex_iterator(page.begin(), page.end(), numbered);
         match != std::sregex_iterator(); ++match)
        found.emplace(std::stoi((*match)[3]), std::stoi((*match)[2]), std::stoi((*match)[1]));
    return found;
}

// Titles and clues are typed by anyone: in the page they are text, never markup.
TEST(WebPuzzle, HostileTitleAndCluesStayText)
{
    auto puzzle = gridPuzzle({ "CAT", "A#O", "BEE" });
    puzzle->title.assign("</title><script>\"x\" & 'q'"); // 35 characters at most
    puzzle->clues[0].assign("\x93quoted\x94 </li><img src=x onerror=alert(1)>\x01");
    const std::string page = exports::webPuzzlePage(exports::CrosswordGrid::of(*puzzle));
    const std::string title = "&lt;/title&gt;&lt;script&gt;&quot;x&quot; &amp; &#39;q&#39;";
    EXPECT_NE(page.find("<title>" + title + "</title>"), std::string::npos);
    EXPECT_NE(page.find("<h1>" + title + "</h1>"), std::string::npos);
    EXPECT_NE(
        page.find("\xE2\x80\x9Cquoted\xE2\x80\x9D &lt;/li&gt;&lt;img src=x onerror=alert(1)&gt; </span>"),
        std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("<script>\""), std::string::npos);
    EXPECT_EQ(page.find('\x01'), std::string::npos);
}

// As on the printed page, a square outside the shape is not drawn at all; a square of the
// shape without a letter is a block.
TEST(WebPuzzle, SquaresOutsideTheShapeAreAbsent)
{
    const std::string page = exports::webPuzzlePage(exports::CrosswordGrid::of(*gridPuzzle({
        "CAT.",
        "A#OX",
        "BEE.",
    })));
    EXPECT_EQ(page.find("grid-area:1/4\""), std::string::npos);
    EXPECT_EQ(page.find("grid-area:3/4\""), std::string::npos);
    EXPECT_NE(page.find("<div class=\"bk\" style=\"grid-area:2/2\">"), std::string::npos);
    EXPECT_NE(page.find("data-i=\"7\" style=\"grid-area:2/4\""), std::string::npos);
}

// The solver sees the numbers the .ipuz file (and the printed page) gives the words; the
// answers are nowhere in the page's source to read.
TEST(WebPuzzle, NumbersAreTheIpuzFilesAndAnswersAreHidden)
{
    for (int record = 0; record < 4; ++record) {
        SCOPED_TRACE(record);
        const auto puzzle = samplePuzzle(record);
        ASSERT_TRUE(puzzle);
        const exports::CrosswordGrid grid = exports::CrosswordGrid::of(*puzzle);
        const std::string page = exports::webPuzzlePage(grid);
        Numbered numbers;
        for (const auto *clues : { &grid.across, &grid.down }) {
            for (const auto &clue : *clues) {
                numbers.emplace(clue.number, clue.column, clue.row);
                EXPECT_EQ(page.find(clue.answer), std::string::npos) << clue.answer;
            }
        }
        EXPECT_GT(numbers.size(), 10u);
        EXPECT_EQ(pageNumbers(page), numbers);
    }
}

const fs::path DriverDir = GW_BROWSER_DRIVER_DIR;
const fs::path SolveScript = fs::path(GW_SOURCE_DIR) / "tests" / "export" / "solve_web_puzzle.mjs";

std::string programPath(const std::string &name)
{
    const Outcome found = shell("command -v " + name);
    return found.status == 0 ? lines(found.out).front() : std::string();
}

class WebPuzzleInBrowser : public ScratchFolderTest
{
};

// A student solves an exported sample in headless chromium (solve_web_puzzle.mjs): selecting by
// clue and by square, typing, Check, Backspace, a reload that keeps the letters, Tab from word
// to word with the keyboard alone, and the solved message.
TEST_F(WebPuzzleInBrowser, StudentSolvesTheSample)
{
    if (!haveProgram("node"))
        GTEST_SKIP() << "Node.js is not installed (scripts/install-deps.sh installs it): no browser test";
    const std::string chromium = programPath("chromium");
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it): no browser test";
    static const Outcome setup = shell("bash "
        + quoted(fs::path(GW_SOURCE_DIR) / "scripts" / "setup-browser-driver.sh") + " " + quoted(DriverDir));
    ASSERT_EQ(setup.status, 0) << setup.out;

    constexpr int Record = 3; // a diamond: squares outside the shape, blocks inside it
    const fs::path page = dir() / "puzzle.html";
    const Outcome exported = runCli("export " + quoted(SampleCollection) + " " + std::to_string(Record)
        + " --web-puzzle " + quoted(page));
    ASSERT_EQ(exported.status, 0) << exported.out;
    const auto puzzle = samplePuzzle(Record);
    ASSERT_TRUE(puzzle);
    const exports::CrosswordGrid grid = exports::CrosswordGrid::of(*puzzle);
    std::ofstream answers(dir() / "answers.txt");
    for (const auto &[clues, direction] :
        { std::pair(&grid.across, "across"), std::pair(&grid.down, "down") }) {
        for (const auto &clue : *clues)
            answers << direction << " " << clue.number << " " << windows1252ToUtf8(clue.answer) << "\n";
    }
    answers.close();

    const Outcome solved = shell("node " + quoted(SolveScript) + " " + quoted(DriverDir) + " "
        + quoted(fs::path(chromium)) + " " + quoted(page) + " " + quoted(dir() / "answers.txt"));
    EXPECT_EQ(solved.status, 0) << solved.out;
    EXPECT_NE(solved.out.find("solved " + std::to_string(grid.across.size() + grid.down.size()) + " words"),
        std::string::npos)
        << solved.out;
}

} // namespace
