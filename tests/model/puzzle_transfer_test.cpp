#include "model/CollectionFailures.h"
#include "model/PreviousVersion.h"
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
using test::bytesOf;

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);

class PuzzleTransferTest : public test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        m_from = bytesOf(*test::markedPuzzle("Nature", "Weather", 'a'))
            + bytesOf(*test::markedPuzzle("World", "Capitals", 'b'))
            + bytesOf(*test::markedPuzzle("Nature", "animals", 'c'));
        ASSERT_TRUE(writeFileBytes(file("from.zp3"), m_from));
        m_open = bytesOf(*test::markedPuzzle("Nature", "Owls", 'o'));
        ASSERT_TRUE(writeFileBytes(file("open.ZP3"), m_open));
    }

    fs::path file(const std::string &name) const { return dir() / name; }
    std::string bytes(const std::string &name) const
    {
        return readFileBytes(file(name), 20 * RecordSize).value_or("missing");
    }
    std::string record(int n) const
    {
        return m_from.substr(static_cast<std::size_t>(n) * RecordSize, RecordSize);
    }

    std::string m_from;
    std::string m_open;
};

// Appending the chosen records byte for byte in the order given, into a collection created when
// missing, is the copy command's test and the import window's.  A record that cannot be read, or
// a collection that cannot be written, changes nothing.
TEST_F(PuzzleTransferTest, ImportIsAllOrNothing)
{
    EXPECT_EQ(importPuzzles(file("from.zp3"), std::vector<int> { 0, 7 }, file("open.ZP3")).error(),
        unableToImportPuzzles());
    EXPECT_EQ(bytes("open.ZP3"), m_open);
    EXPECT_EQ(importPuzzles(file("from.zp3"), std::vector<int> { 0, -1 }, file("new.zp3")).error(),
        unableToImportPuzzles());
    EXPECT_FALSE(fs::exists(file("new.zp3")));
    EXPECT_EQ(importPuzzles(file("missing.zp3"), std::vector<int> { 0 }, file("open.ZP3")).error(),
        unableToImportPuzzles());
}

// The open collection cannot be imported into itself, however its path is spelled.
TEST_F(PuzzleTransferTest, ImportRefusesTheOpenCollection)
{
    fs::create_symlink(file("open.ZP3"), file("link.zp3"));
    for (const fs::path &same : { file("open.ZP3"), dir() / "." / "open.ZP3", file("link.zp3") }) {
        EXPECT_EQ(
            importPuzzles(same, std::vector<int> { 0 }, file("open.ZP3")).error(), importIsOpenCollection())
            << same;
    }
    EXPECT_EQ(bytes("open.ZP3"), m_open);
    EXPECT_TRUE(sameFile(file("new.zp3"), dir() / "sub" / ".." / "new.zp3"));
    EXPECT_FALSE(sameFile(file("new.zp3"), file("NEW.zp3")));
}

// Export writes the chosen records in list order, which is alphabetical by title, and
// replaces an existing file only once every record is written.
TEST_F(PuzzleTransferTest, ExportWritesAlphabeticalOrder)
{
    const std::vector<CollectionLine> lines = puzzleTitleLines(file("from.zp3"));
    EXPECT_EQ(lines, (std::vector<CollectionLine> { { "animals", 2 }, { "Capitals", 1 }, { "Weather", 0 } }));
    std::vector<int> chosen;
    for (const CollectionLine &line : lines)
        chosen.push_back(line.tag);
    ASSERT_TRUE(writeFileBytes(file("out.zp3"), "old contents"));
    ASSERT_TRUE(exportPuzzles(file("from.zp3"), chosen, file("out.zp3")));
    EXPECT_EQ(bytes("out.zp3"), record(2) + record(1) + record(0));

    // A failure keeps the file it was to replace and leaves no part file behind.
    EXPECT_EQ(exportPuzzles(file("from.zp3"), std::vector<int> { 1, 9 }, file("out.zp3")).error(),
        unableToExportPuzzles());
    EXPECT_EQ(bytes("out.zp3"), record(2) + record(1) + record(0));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir()), fs::directory_iterator()), 3);
}

// Exporting into the open collection would empty it before reading it: refused, file intact.
TEST_F(PuzzleTransferTest, ExportNeverEmptiesTheOpenCollection)
{
    EXPECT_EQ(exportPuzzles(file("from.zp3"), std::vector<int> { 0 }, dir() / "." / "from.zp3").error(),
        exportIsOpenCollection());
    EXPECT_EQ(bytes("from.zp3"), m_from);
}

// A 16-bit puzzle is converted into the working record and appended as a new puzzle (a damaged
// file is the reader's test's, the main window's and the convert command's).
TEST_F(PuzzleTransferTest, SixteenBitImportAppendsTheConvertedPuzzle)
{
    ASSERT_TRUE(writeFileBytes(file("comet.ZPK"), test::zpkFile(*test::oldPuzzle("Comets", 1))));
    layout::LayoutRecord pageLayout;
    std::memset(&pageLayout, 'L', sizeof pageLayout);
    auto working = test::zeroedPuzzle();

    const auto added = importSixteenBitPuzzle(file("comet.ZPK"), file("open.ZP3"), pageLayout, *working);
    ASSERT_TRUE(added);
    EXPECT_EQ(*added, 1);
    EXPECT_EQ(working->title.str(), "Comets");
    EXPECT_EQ(bytes("open.ZP3"), m_open + bytesOf(*working));
    EXPECT_EQ(importSixteenBitPuzzle(file("comet.ZPK"), file("no") / "x.zp3", pageLayout, *working).error(),
        unableToSavePuzzle());
}

} // namespace
} // namespace gw::model
