#include "export/CrosswordFiles.h"
#include "export/CrosswordGrid.h"
#include "export/ExportTestSupport.h"
#include "model/CrosswordImport.h"
#include "model/IpuzReader.h"
#include "model/PuzReader.h"
#include "render/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace gw;
using namespace gw::test;

const fs::path ParserDir = GW_XWORD_PARSER_DIR;
const fs::path ReadScript = fs::path(GW_SOURCE_DIR) / "tests" / "export" / "read_crossword.mjs";

class CrosswordFiles : public ScratchFolderTest
{
protected:
    // What the xword-parser package reads from the file, one fact a line (read_crossword.mjs).
    std::vector<std::string> read(const fs::path &file)
    {
        static const Outcome setup
            = shell("bash " + quoted(fs::path(GW_SOURCE_DIR) / "scripts" / "setup-xword-parser.sh") + " "
                + quoted(ParserDir));
        EXPECT_EQ(setup.status, 0) << setup.out;
        const Outcome parsed
            = shell("node " + quoted(ReadScript) + " " + quoted(ParserDir) + " " + quoted(file));
        EXPECT_EQ(parsed.status, 0) << parsed.out;
        return lines(parsed.out);
    }

    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        if (!haveProgram("node"))
            GTEST_SKIP() << "node is not installed: the .ipuz and .puz files cannot be opened by a reader";
    }
};

bool has(const std::vector<std::string> &facts, const std::string &fact)
{
    return std::find(facts.begin(), facts.end(), fact) != facts.end();
}

// The rows as the reader shows them: '#' black, else the solution letter.
std::vector<std::string> rowsOf(const std::vector<std::string> &facts)
{
    std::vector<std::string> rows;
    for (const std::string &fact : facts) {
        if (fact.rfind("row ", 0) == 0)
            rows.push_back(fact.substr(4));
    }
    return rows;
}

// A free shape with a square outside it, a filled box, a clue in Windows-1252 and one with
// quotes and a backslash.
std::unique_ptr<model::PuzzleRecord> smallPuzzle()
{
    auto puzzle = gridPuzzle({
        "CAT.",
        "A#OX",
        "BEE.",
    });
    puzzle->title.assign("Small \xE9t\xE9");
    puzzle->clues[0].assign("Caf\xE9 pet");
    puzzle->clues[1].assign("\"Back\\slash\""); // both must be escaped in an .ipuz file
    return puzzle;
}

// The sample puzzle's grid, numbers and clues as a reader opens them from either file.
TEST_F(CrosswordFiles, ReaderOpensTheSamplePuzzleFromBothFiles)
{
    const auto record = samplePuzzle(0);
    ASSERT_TRUE(record);
    const exports::CrosswordGrid grid = exports::CrosswordGrid::of(*record);
    ASSERT_TRUE(exports::writeIpuz(grid, dir() / "sample.ipuz"));
    ASSERT_TRUE(exports::writePuz(grid, dir() / "sample.puz"));
    const std::vector<std::string> ipuz = read(dir() / "sample.ipuz");
    const std::vector<std::string> puz = read(dir() / "sample.puz");
    for (const auto *facts : { &ipuz, &puz }) {
        SCOPED_TRACE(facts == &ipuz ? "sample.ipuz" : "sample.puz");
        EXPECT_TRUE(has(*facts, "size 15 15"));
        EXPECT_TRUE(has(*facts, "title Farm Animals"));
        const std::vector<std::string> rows = rowsOf(*facts);
        ASSERT_EQ(rows.size(), 15u);
        EXPECT_EQ(rows[0], "###PIGLET#DUCK#");
        EXPECT_EQ(rows[14], "#TURKEY########");
        for (const auto &clue : grid.across)
            EXPECT_TRUE(has(*facts,
                "number " + std::to_string(clue.number) + " " + std::to_string(clue.column) + " "
                    + std::to_string(clue.row)))
                << clue.number;
    }
    // The ipuz file names each clue with its number.
    for (const auto &clue : grid.across)
        EXPECT_TRUE(has(ipuz, "across " + std::to_string(clue.number) + " " + clue.text));
    for (const auto &clue : grid.down)
        EXPECT_TRUE(has(ipuz, "down " + std::to_string(clue.number) + " " + clue.text));

    // The .puz file keeps its clues in the format's order (by number, across before down) and
    // its checksums right.  The reader hands the clue texts out all across first, then all
    // down, in the order of the file, which this reassembles.
    SCOPED_TRACE("PuzFileHasItsCluesInOrderAndItsChecksumsRight");
    EXPECT_TRUE(has(puz, "checksums ok"));
    std::vector<std::string> inFile;
    for (const std::string &fact : puz) {
        for (const char *kind : { "across ", "down " }) {
            if (fact.rfind(kind, 0) == 0)
                inFile.push_back(fact.substr(fact.find(' ', std::strlen(kind)) + 1));
        }
    }
    std::vector<std::pair<int, std::string>> expected;
    for (const auto &clue : grid.across)
        expected.emplace_back(clue.number * 2, clue.text);
    for (const auto &clue : grid.down)
        expected.emplace_back(clue.number * 2 + 1, clue.text);
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(inFile.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(inFile[i], expected[i].second) << i;
}

// Squares outside the shape are omitted cells in ipuz and blocks in .puz; a filled box is a
// block in both; Windows-1252 texts arrive as their characters.
TEST_F(CrosswordFiles, ShapeSquaresBlocksAndTextsReachTheReader)
{
    const exports::CrosswordGrid grid = exports::CrosswordGrid::of(*smallPuzzle());
    const std::string ipuz = exports::ipuzText(grid);
    EXPECT_NE(ipuz.find("[\"C\", \"A\", \"T\", null]"), std::string::npos) << ipuz;
    EXPECT_NE(ipuz.find("[0, \"#\", 3, 0]"), std::string::npos) << ipuz;
    EXPECT_NE(ipuz.find("[1, 0, 2, null]"), std::string::npos) << ipuz;
    EXPECT_NE(ipuz.find("Caf\xC3\xA9 pet"), std::string::npos);
    ASSERT_TRUE(exports::writeIpuz(grid, dir() / "small.ipuz"));
    ASSERT_TRUE(exports::writePuz(grid, dir() / "small.puz"));

    const std::vector<std::string> fromIpuz = read(dir() / "small.ipuz");
    EXPECT_TRUE(has(fromIpuz, "size 4 3"));
    EXPECT_TRUE(has(fromIpuz, "across 1 Caf\xC3\xA9 pet"));
    EXPECT_TRUE(has(fromIpuz, "title Small \xC3\xA9t\xC3\xA9"));
    const std::vector<std::string> fromPuz = read(dir() / "small.puz");
    EXPECT_EQ(rowsOf(fromPuz), (std::vector<std::string> { "CAT#", "A#OX", "BEE#" }));
    EXPECT_TRUE(has(fromPuz, "across 1 Caf\xC3\xA9 pet"));
    EXPECT_TRUE(has(fromPuz, "checksums ok"));
}

// A .puz reader numbers the squares itself: a puzzle whose words it would number otherwise
// is refused rather than written with its clues on the wrong words.
TEST_F(CrosswordFiles, PuzRefusesNumberingTheFormatWouldNotFind)
{
    auto puzzle = smallPuzzle();
    puzzle->clueNumber[0] = 7;
    const exports::CrosswordGrid renumbered = exports::CrosswordGrid::of(*puzzle);
    const auto refused = exports::puzBytes(renumbered);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), exports::notPuzNumbering());
    EXPECT_FALSE(exports::writePuz(renumbered, dir() / "no.puz"));
    EXPECT_FALSE(fs::exists(dir() / "no.puz"));
    EXPECT_NE(exports::ipuzText(renumbered).find("[7, \"Caf"), std::string::npos)
        << "ipuz keeps any numbering";
}

// A damaged record cannot make the grid reach outside itself: start squares and lengths are
// held to the grid.
TEST_F(CrosswordFiles, DamagedRecordStaysInsideTheGrid)
{
    auto puzzle = smallPuzzle();
    puzzle->startCell[0] = 60000;
    puzzle->letterCount[1] = 900;
    puzzle->width = 400;
    const exports::CrosswordGrid grid = exports::CrosswordGrid::of(*puzzle);
    EXPECT_EQ(grid.width, 50);
    EXPECT_EQ(grid.squares.size(), 50u * 3);
    for (const auto *clues : { &grid.across, &grid.down }) {
        for (const auto &clue : *clues) {
            EXPECT_LE(clue.column + (clues == &grid.across ? clue.length - 1 : 0), grid.width);
            EXPECT_LE(clue.row + (clues == &grid.down ? clue.length - 1 : 0), grid.height);
        }
    }
}

// Every sample puzzle written as .ipuz and as .puz and read back has its grid, numbers and
// clues again; from the ipuz file even the grid bytes of the record are the same.
TEST(CrosswordRoundTrip, EverySamplePuzzleComesBackFromBothFiles)
{
    const int samples = static_cast<int>(fs::file_size(SampleCollection) / sizeof(model::PuzzleRecord));
    ASSERT_GE(samples, 4);
    for (int n = 0; n < samples; ++n) {
        const auto record = samplePuzzle(n);
        ASSERT_TRUE(record);
        const exports::CrosswordGrid sent = exports::CrosswordGrid::of(*record);
        const auto puz = exports::puzBytes(sent);
        ASSERT_TRUE(puz) << n;
        const auto fromIpuz = model::readIpuz(exports::ipuzText(sent));
        const auto fromPuz = model::readPuz(std::string(puz->begin(), puz->end()));
        for (const auto *crossword : { &fromIpuz, &fromPuz }) {
            const bool isPuz = crossword == &fromPuz;
            SCOPED_TRACE(record->title.str() + (isPuz ? " .puz" : " .ipuz"));
            ASSERT_TRUE(*crossword) << crossword->error().text;
            const auto back = model::puzzleFromCrossword(**crossword, "Back", "", layout::defaultLayout());
            ASSERT_TRUE(back) << back.error().text;
            // Written again, the puzzle gives the same file: grid, numbers, answers, clues, title.
            const exports::CrosswordGrid again = exports::CrosswordGrid::of(**back);
            if (isPuz) {
                EXPECT_EQ(exports::puzBytes(again).value(), *puz);
                continue;
            }
            EXPECT_EQ(exports::ipuzText(again), exports::ipuzText(sent));
            for (int r = 1; r <= record->height; ++r) {
                for (int c = 1; c <= record->width; ++c)
                    EXPECT_EQ((*back)->cell(shapes::cellIndex(c, r)), record->cell(shapes::cellIndex(c, r)));
            }
        }
    }
}

} // namespace
