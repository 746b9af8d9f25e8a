#include "layout/DefaultLayout.h"
#include "model/CrosswordImport.h"
#include "model/PuzFile.h"
#include "model/PuzzleTransfer.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace gw::model {
namespace {

namespace fs = std::filesystem;

const fs::path ImportData = fs::path(GW_SOURCE_DIR) / "tests" / "data" / "import";

std::string u16(std::uint16_t value)
{
    return { static_cast<char>(value & 0xFF), static_cast<char>(value >> 8) };
}

// A .puz file as the format's public description lays it out, its checksums right.
struct PuzSpec
{
    std::vector<std::string> rows; // the solution: letters, '.' a block
    std::vector<std::string> clues; // by number, across before down
    std::string title = "Pond";
    std::uint16_t type = 1;
    std::uint16_t scrambled = 0;
    std::string sections = {}; // after the notes
};

std::string puzFile(const PuzSpec &spec)
{
    std::string solution;
    for (const std::string &row : spec.rows)
        solution += row;
    std::string fill = solution;
    for (char &square : fill)
        square = square == '.' || square == ':' ? square : '-';
    std::string file(puz::HeaderSize, '\0');
    file.replace(puz::MagicAt, puz::Magic.size(), puz::Magic);
    file.replace(puz::VersionAt, 4, std::string("1.3\0", 4));
    file[puz::WidthAt] = static_cast<char>(spec.rows.empty() ? 0 : spec.rows[0].size());
    file[puz::HeightAt] = static_cast<char>(spec.rows.size());
    file.replace(puz::ClueCountAt, 2, u16(static_cast<std::uint16_t>(spec.clues.size())));
    file.replace(puz::PuzzleTypeAt, 2, u16(spec.type));
    file.replace(puz::ScrambledAt, 2, u16(spec.scrambled));
    file += solution + fill + spec.title + '\0' + "An Author" + '\0' + '\0';
    for (const std::string &clue : spec.clues)
        file += clue + '\0';
    file += std::string("Notes") + '\0';
    EXPECT_TRUE(sealPuz(file));
    return file + spec.sections;
}

std::string section(const std::string &name, const std::string &data)
{
    return name + u16(static_cast<std::uint16_t>(data.size())) + u16(puzChecksum(data)) + data + '\0';
}

// A small pond: 1 across SUN, 1 down SEA, 2 down NAP, 3 across PI, clued in that order.
PuzSpec pond()
{
    return { { "SUN.", "E.A.", "A.PI" }, { "Shines", "Salt water", "Short sleep", "Circle number" }, "Pond" };
}

class CrosswordImportTest : public test::ScratchFolderTest
{
protected:
    Result<std::unique_ptr<PuzzleRecord>> read(
        const fs::path &file, std::string_view category = ImportedCategory)
    {
        return readCrosswordFile(file, category, m_layout);
    }
    fs::path write(const std::string &name, const std::string &bytes)
    {
        EXPECT_TRUE(writeFileBytes(dir() / name, bytes));
        return dir() / name;
    }

    const layout::LayoutRecord m_layout = layout::defaultLayout();
};

// A 15 x 15 ipuz crossword with blocks comes in as the candidate chooser saves a generated
// puzzle: grid, words in clue order with the file's numbers, stamped, with a new puzzle's layout.
// (The .puz reader's numbering and clue order are the round trip's of every sample.)
TEST_F(CrosswordImportTest, GardenIpuzComesInAsASavedGeneratedPuzzle)
{
    const auto read = this->read(ImportData / "garden-15x15.ipuz");
    ASSERT_TRUE(read) << read.error().text;
    const PuzzleRecord &puzzle = **read;
    EXPECT_EQ(puzzle.version.view(), "3.0b");
    EXPECT_EQ(puzzle.generated, 1);
    EXPECT_EQ(puzzle.title.view(), "In the Garden");
    EXPECT_EQ(puzzle.category.view(), "Imported Puzzles");
    EXPECT_EQ(std::memcmp(&puzzle.layout, &m_layout, sizeof m_layout), 0);
    EXPECT_EQ(int(puzzle.width), 15);
    EXPECT_EQ(int(puzzle.height), 15);
    EXPECT_EQ(puzzle.cell(shapes::cellIndex(1, 1)), BlankCell);
    EXPECT_EQ(puzzle.cell(shapes::cellIndex(13, 1)), 'R');
    EXPECT_EQ(puzzle.cell(shapes::cellIndex(4, 6)), 'E') << "a lower-case solution letter is raised";
    EXPECT_EQ(puzzle.cell(shapes::cellIndex(16, 1)), OutsideCell);
    ASSERT_EQ(int(puzzle.wordCount), 18);
    EXPECT_EQ(int(puzzle.acrossCount), 9);
    EXPECT_EQ(int(puzzle.downCount), 9);
    for (int i = 0; i < MaxWords; ++i)
        EXPECT_EQ(puzzle.placed[i], i < 18 ? 1 : 0) << i;

    // Entry, number, direction, word, clue: across by number, then down by number.
    const std::tuple<int, int, int, std::string, std::string> expected[] = {
        { 0, 3, 1, "SPADE", "Tool for turning the soil" },
        { 9, 1, 0, "RAKE", "Gathers the autumn leaves" },
        { 11, 3, 0, "SEEDS", "Sown in spring \x97 they grow into plants" },
        { 16, 14, 0, "APPLE", "Fruit of the tree ? pie" },
        { 17, 16, 0, "ROSE", "Flower with thorns, for a caf\xE9 table" },
    };
    for (const auto &[entry, number, across, word, clue] : expected) {
        EXPECT_EQ(int(puzzle.clueNumber[entry]), number) << entry;
        EXPECT_EQ(puzzle.direction[entry], across) << entry;
        EXPECT_EQ(puzzle.words[entry].view(), word) << entry;
        EXPECT_EQ(std::size_t(puzzle.letterCount[entry]), word.size()) << entry;
        EXPECT_EQ(puzzle.clues[entry].view(), clue) << entry;
    }
    EXPECT_EQ(int(puzzle.startCell[0]), shapes::cellIndex(11, 2));
    EXPECT_EQ(int(puzzle.startCell[11]), shapes::cellIndex(11, 2));
}

// Omitted squares of an ipuz grid are squares outside the puzzle's shape; blocks stay blocks.
TEST_F(CrosswordImportTest, NullSquaresAreOutsideTheShape)
{
    const auto read = this->read(ImportData / "island-nulls.ipuz", "Sea");
    ASSERT_TRUE(read) << read.error().text;
    const PuzzleRecord &island = **read;
    EXPECT_EQ(island.category.view(), "Sea");
    EXPECT_EQ(int(island.width), 5);
    EXPECT_EQ(int(island.height), 4);
    // Rows "0SUN0", "0E_O0", "MARSH", "0__E0": 0 outside, _ a block.
    EXPECT_EQ(island.cell(shapes::cellIndex(1, 1)), OutsideCell);
    EXPECT_EQ(island.cell(shapes::cellIndex(5, 4)), OutsideCell);
    EXPECT_EQ(island.cell(shapes::cellIndex(3, 2)), BlankCell);
    EXPECT_EQ(island.cell(shapes::cellIndex(1, 3)), 'M');
    EXPECT_EQ(island.cell(shapes::cellIndex(5, 3)), 'H');
    ASSERT_EQ(int(island.wordCount), 4);
    EXPECT_EQ(island.words[1].view(), "MARSH");
    EXPECT_EQ(int(island.clueNumber[1]), 3);
    EXPECT_EQ(island.words[3].view(), "NOSE");
    EXPECT_EQ(island.clues[3].view(), "It smells the salt air");

    // Without a title of its own, the puzzle is named after its file.
    std::string untitled = readFileBytes(ImportData / "island-nulls.ipuz", 10000).value();
    untitled.erase(untitled.find(R"("title")"), std::string_view(R"("title": "Island",)").size());
    const auto named = this->read(write("Blue Lagoon.ipuz", untitled));
    ASSERT_TRUE(named) << named.error().text;
    EXPECT_EQ((*named)->title.view(), "Blue Lagoon");
}

// Windows-1252 texts of a .puz file come in as they are; what the records cannot show is
// replaced visibly, and texts are cut to their fields.
TEST_F(CrosswordImportTest, TextsComeInAsTheRecordsStoreThem)
{
    PuzSpec spec = pond();
    spec.title = "Caf\xE9 \x80 and a title longer than the record can hold";
    spec.clues = { "Shines\tbright", "Sea" + std::string(200, '!'), "Short sleep \x81", "Circle number" };
    const auto read = this->read(write("pond.puz", puzFile(spec)));
    ASSERT_TRUE(read) << read.error().text;
    EXPECT_EQ((*read)->title.view(), "Caf\xE9 \x80 and a title longer than the ");
    EXPECT_EQ((*read)->clues[0].view(), "Shines bright");
    EXPECT_EQ((*read)->clues[2].view(), "Sea" + std::string(147, '!'));
    EXPECT_EQ((*read)->clues[3].view(), "Short sleep ?");
}

// What cannot be mapped is refused with the file's name and the reason, and nothing is written:
// an existing collection keeps its bytes, a missing one is not created.
TEST_F(CrosswordImportTest, RefusedFilesWriteNothing)
{
    const std::string island = readFileBytes(ImportData / "island-nulls.ipuz", 10000).value();
    const auto replaced = [&](std::initializer_list<std::pair<std::string, std::string>> changes) {
        std::string text = island;
        for (const auto &[from, to] : changes)
            text.replace(text.find(from), from.size(), to);
        return text;
    };
    // 18 rows of ten two-letter words across and twenty columns down make 200 words, which
    // come in; one more word across is one too many.
    std::string row = "AA";
    for (int k = 1; k < 10; ++k)
        row += ".AA";
    PuzSpec most = pond();
    most.rows.assign(18, row);
    most.clues.assign(200, "x");
    const auto mostRead = read(write("most.puz", puzFile(most)));
    ASSERT_TRUE(mostRead) << mostRead.error().text;
    EXPECT_EQ(int((*mostRead)->wordCount), 200);
    PuzSpec many = most;
    many.rows.push_back("AA" + std::string(27, '.'));
    many.clues.push_back("x");

    std::string damaged = puzFile(pond());
    damaged[damaged.find("Salt")] = 'M';
    PuzSpec locked = pond();
    locked.scrambled = 4;
    PuzSpec diagramless = pond();
    diagramless.rows = { "SUN:", "E:A:", "A:PI" };
    diagramless.type = 0x0401;
    PuzSpec rebus = pond();
    rebus.sections = section("LTIM", "42,1")
        + section("GRBS", std::string(1, '\0') + '\x02' + std::string(10, '\0'))
        + section("RTBL", " 1:UNDER;");
    PuzSpec unended = pond();
    unended.sections = section("LTIM", "42,1");
    unended.sections.pop_back(); // the last section's closing NUL is cut off
    PuzSpec rebusTable = pond();
    rebusTable.sections = section("RTBL", " 0:UNDER;");
    PuzSpec wide = pond();
    wide.rows = { std::string(31, 'A') };
    PuzSpec fewClues = pond();
    fewClues.clues.pop_back();
    std::string cut = puzFile(pond());
    cut.resize(cut.find("Circle"));

    const struct
    {
        std::string name;
        std::string bytes;
        std::string reason;
    } refused[] = {
        { "rebus.ipuz", readFileBytes(ImportData / "rebus.ipuz", 10000).value(),
            "the square in row 3, column 4 holds more than one letter" },
        { "big.ipuz", replaced({ { R"("width": 5)", R"("width": 31)" } }),
            "it is larger than 30 x 30 squares" },
        { "sudoku.ipuz", replaced({ { "crossword#1", "sudoku#1" } }),
            "it is an ipuz file, but not of a crossword" },
        { "diagramless.ipuz", replaced({ { "crossword#1", "crossword/diagramless#1" } }),
            "it is a diagramless puzzle" },
        { "broken.ipuz", replaced({ { "\"Island\",", "\"Island\"" } }),
            "the text is not valid JSON (line 5: ',' or '}' was expected)" },
        { "nosquare.ipuz", replaced({ { R"({"number": 3,)", R"({"number": 7,)" } }),
            "clue 7 across has no square numbered 7" },
        { "badorder.ipuz",
            replaced({ { "[null, 1, 0, 2, null]", "[null, 2, 0, 1, null]" },
                { R"({"number": 1,)", R"({"number": 2,)" }, { "[1, \"Water", "[2, \"Water" },
                { "[2, \"It smells", "[1, \"It smells" } }),
            "its clue numbers do not follow the reading order of their squares" },
        { "twice.ipuz", replaced({ { "[2, \"It smells", "[1, \"It smells" } }),
            "clue 1 down is given twice" },
        { "damaged.puz", damaged, "its checksums do not match its contents, so the file is damaged" },
        { "locked.puz", puzFile(locked), "it is scrambled (locked), so its answers cannot be read" },
        { "diagramless.puz", puzFile(diagramless), "it is a diagramless puzzle" },
        { "rebus.puz", puzFile(rebus), "the square in row 1, column 2 holds more than one letter" },
        { "table.puz", puzFile(rebusTable), "it has squares with more than one letter" },
        { "wide.puz", puzFile(wide), "it is larger than 30 x 30 squares" },
        { "few.puz", puzFile(fewClues), "it has 3 clues for 4 words" },
        { "cut.puz", cut, "the file is damaged or cut short" },
        { "unended.puz", puzFile(unended), "the file is damaged or cut short" },
        { "many.puz", puzFile(many), "it has more than 200 words" },
        { "text.puz", "ACROSS words, not a crossword", "it is not a .puz crossword file" },
        { "words.txt", "SUN: It shines", "it is neither an .ipuz nor a .puz file" },
    };
    const fs::path collection = dir() / "open.ZP3";
    const fs::path missing = dir() / "missing.ZP3";
    ASSERT_TRUE(
        importCrosswordFile(ImportData / "island-nulls.ipuz", collection, ImportedCategory, m_layout));
    const std::string before = readFileBytes(collection, 2 * sizeof(PuzzleRecord)).value();
    for (const auto &[name, bytes, reason] : refused) {
        const fs::path file = write(name, bytes);
        const std::string expected = "The puzzle in \"" + name + "\" cannot be imported: " + reason + ".";
        for (const fs::path &into : { collection, missing }) {
            const auto refusal = importCrosswordFile(file, into, ImportedCategory, m_layout);
            ASSERT_FALSE(refusal) << name;
            EXPECT_EQ(refusal.error().caption, "Error");
            EXPECT_EQ(refusal.error().text, expected);
        }
    }
    EXPECT_EQ(readFileBytes(collection, 2 * sizeof(PuzzleRecord)).value(), before);
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace gw::model
