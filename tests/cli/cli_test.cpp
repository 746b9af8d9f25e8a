#include "model/CollectionFile.h"
#include "model/PuzzleRecord.h"
#include "platform/RecordFile.h"
#include "shapes/ShapeRecord.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

using gw::test::Outcome;
using gw::test::runCli;

class CliTest : public gw::test::ScratchFolderTest
{
protected:
    std::string writeWords(const std::string &text) const
    {
        std::ofstream(path("words.txt")) << text;
        return path("words.txt");
    }
    std::string generate(const std::string &options) const
    {
        return "generate --words " + path("words.txt") + " --title Quiz --category Fun --out "
            + path("out.ZP3") + " " + options;
    }
};

const char *Animals
    = "COW: moo\nHORSE: neigh\nPIG: oink\nSHEEP: baa\nGOAT: bleat\nDUCK: quack\n"
      "GOOSE: honk\nDONKEY: bray\nTURKEY: gobble\nROOSTER: crow\nLAMB: young sheep\nCALF: young cow\n";

// The main road on the command line: generated records list and show as a sound crossword.
TEST_F(CliTest, GenerateListShow)
{
    writeWords(Animals);
    const Outcome generated = runCli(generate("--shape 2 --attempts 50 --seed 7 --candidates all"));
    ASSERT_EQ(generated.status, 0) << generated.out;
    EXPECT_NE(generated.out.find("slot 4: placed "), std::string::npos);
    EXPECT_EQ(fs::file_size(path("out.ZP3")), 4 * sizeof(gw::model::PuzzleRecord));
    EXPECT_NE(runCli("list " + path("out.ZP3")).out.find("3\tFun\tQuiz"), std::string::npos);
    const Outcome shown = runCli("show " + path("out.ZP3") + " 0");
    ASSERT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("\nAcross\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\nDown\n"), std::string::npos);

    // The same seed gives the same puzzle.
    const Outcome again = runCli(generate("--shape 2 --attempts 50 --seed 7"));
    ASSERT_EQ(again.status, 0);
    const auto first = gw::model::readPuzzle(path("out.ZP3"), 0, { "Error", "unreadable" });
    const auto fifth = gw::model::readPuzzle(path("out.ZP3"), 4, { "Error", "unreadable" });
    ASSERT_TRUE(first && fifth);
    EXPECT_EQ(std::memcmp(&*first, &*fifth, sizeof(gw::model::PuzzleRecord)), 0);
    EXPECT_EQ(first->generated, 1);
    EXPECT_EQ(first->version.str(), "3.0b");
}

// Refused runs say why, exit non-zero and write nothing.  The word checks' own messages are
// the create checks' test's; two show they reach the command line, one of them against a
// shape taken from an export file whose runs are all shorter than 5.
TEST_F(CliTest, RefusalsWriteNothing)
{
    gw::shapes::ShapeRecord shape {};
    shape.width = 9;
    shape.height = 9;
    for (int index = 1; index <= 450; ++index)
        shape.cells[index - 1] = (index - 1) % 50 < 9 && (index - 1) % 50 != 4 && (index - 1) / 50 != 4;
    std::string file = "LAY1.0";
    file.append(reinterpret_cast<const char *>(&shape), sizeof shape);
    ASSERT_TRUE(gw::writeFileBytes(path("holes.LAY"), file));
    const struct
    {
        const char *words;
        std::string options;
        std::string message;
    } cases[] = {
        { Animals, "--attempts 1000", "Attempts must be between 1 and 999.  Please correct." },
        { Animals, "--shape 9999", "there is no shape 9999" },
        { Animals, "--shape-file " + path("missing.LAY"), "Puzzle shape could not be imported." },
        { Animals, "--bogus", "unknown option --bogus" },
        { Animals, "--seed", "option --seed needs a value" },
        { "\n   \n", "--shape 2", "No words have been entered.  Please correct." },
        { "CAT: pet\nMOUSE: squeak\n", "--shape-file " + path("holes.LAY"),
            "The maximum word length as provided by the selected layout is 4.  The following word is greater "
            "than the maximum word length: \"MOUSE\"." },
    };
    for (const auto &[words, options, message] : cases) {
        writeWords(words);
        const Outcome run = runCli(generate(options));
        EXPECT_NE(run.status, 0) << options;
        EXPECT_NE(run.out.find(message), std::string::npos) << options << ": " << run.out;
    }
    const Outcome missingWords
        = runCli("generate --words " + path("none.txt") + " --title T --category C --out " + path("out.ZP3"));
    EXPECT_NE(missingWords.out.find("cannot read the word file"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("out.ZP3")));
}

// copy appends the chosen records byte for byte in the order given; it refuses the file it
// reads from, a record that is not there, and then writes nothing.
TEST_F(CliTest, CopyAppendsRecordsUnchanged)
{
    const std::string sample = path("SAMPLE.ZP3");
    fs::copy_file(GW_SOURCE_DIR "/data/SAMPLE.ZP3", sample);
    const std::string bytes = gw::readFileBytes(sample, 1 << 20).value();
    const std::size_t size = sizeof(gw::model::PuzzleRecord);

    const Outcome copied = runCli("copy " + sample + " 3 0 --to " + path("new.ZP3"));
    ASSERT_EQ(copied.status, 0) << copied.out;
    EXPECT_EQ(gw::readFileBytes(path("new.ZP3"), 1 << 20).value(),
        bytes.substr(3 * size, size) + bytes.substr(0, size));

    const std::pair<std::string, std::string> refusals[] = {
        { "copy " + sample + " 1 --to " + path("./SAMPLE.ZP3"),
            "cannot be copied into the file they come from" },
        { "copy " + sample + " 0 4 --to " + path("new.ZP3"), "there is no record 4" },
        { "copy " + sample + " x --to " + path("new.ZP3"), "there is no record x" },
        { "copy " + path("none.ZP3") + " 0 --to " + path("new.ZP3"), "cannot open" },
        { "copy " + sample + " 0", "usage: gridwright-cli copy" },
    };
    for (const auto &[arguments, message] : refusals) {
        const Outcome run = runCli(arguments);
        EXPECT_NE(run.status, 0) << arguments;
        EXPECT_NE(run.out.find(message), std::string::npos) << arguments << ": " << run.out;
    }
    EXPECT_EQ(fs::file_size(path("new.ZP3")), 2 * size);
    EXPECT_EQ(gw::readFileBytes(sample, 1 << 20).value(), bytes);
}

// words writes the pair lines the editor's Export writes, sorted, with CR LF; a failure
// leaves no file.
TEST_F(CliTest, WordsWritesThePairLines)
{
    const std::string sample = GW_SOURCE_DIR "/data/SAMPLE.ZP3";
    const Outcome run = runCli("words " + sample + " 0 --out " + path("words.txt") + " --sep ';'");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string text = gw::readFileBytes(path("words.txt"), 1 << 20).value();
    EXPECT_EQ(text.substr(0, 48), "BARN                           ; Building where ");
    EXPECT_NE(text.find("\r\nCALF "), std::string::npos);

    EXPECT_NE(runCli("words " + sample + " 0 --out " + path("x.txt") + " --sep ab").status, 0);
    EXPECT_NE(runCli("words " + sample + " 9 --out " + path("x.txt")).status, 0);
    EXPECT_FALSE(fs::exists(path("x.txt")));
}

// convert appends a 16-bit puzzle; a file one byte short is refused and nothing is written (the
// conversion and its messages are the core's and the main window's tests').
TEST_F(CliTest, ConvertSixteenBitPuzzle)
{
    const std::string file = gw::test::zpkFile(*gw::test::oldPuzzle("Rivers", 1));
    ASSERT_TRUE(gw::writeFileBytes(path("RIVERS.ZPK"), file));
    ASSERT_TRUE(gw::writeFileBytes(path("short.zpk"), file.substr(0, file.size() - 1)));

    EXPECT_NE(runCli("convert " + path("short.zpk") + " --to " + path("old.ZP3")).status, 0);
    EXPECT_FALSE(fs::exists(path("old.ZP3")));

    const Outcome run = runCli("convert " + path("RIVERS.ZPK") + " --to " + path("old.ZP3"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "record 0: Rivers\n");
}

// import brings .ipuz and .puz files in as new puzzles, each file on its own: a refused one is
// named with its reason and writes nothing, and the exit status tells of it.
TEST_F(CliTest, ImportBringsCrosswordFilesIn)
{
    const std::string data = GW_SOURCE_DIR "/tests/data/import/";
    const Outcome run = runCli("import " + data + "garden-15x15.ipuz " + data + "rebus.ipuz " + data
        + "island-nulls.ipuz --to " + path("in.ZP3") + " --category Spring");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(gw::test::lines(run.out),
        (std::vector<std::string> { "record 0: In the Garden",
            "gridwright-cli: The puzzle in \"rebus.ipuz\" cannot be imported: the square in row 3, column 4 "
            "holds more than one letter. ("
                + data + "rebus.ipuz)",
            "record 1: Island" }));
    EXPECT_EQ(runCli("list " + path("in.ZP3")).out, "0\tSpring\tIn the Garden\n1\tSpring\tIsland\n");

    for (const char *refused : { "--to x.ZP3", "--category x", "--category \"\" --to x.ZP3 a.ipuz" })
        EXPECT_NE(runCli("import " + std::string(refused)).status, 0) << refused;
    EXPECT_FALSE(fs::exists("x.ZP3"));
}

} // namespace
