#include "model/CollectionFailures.h"
#include "model/CollectionLists.h"
#include "model/PreviousVersion.h"
#include "model/PuzzleTransfer.h"
#include "platform/RecordFile.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace gw::model {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);

// A record filled with one byte throughout, so that byte comparisons tell records apart.
std::string recordBytes(std::string_view category, std::string_view title, char fill)
{
    auto record = std::make_unique<PuzzleRecord>();
    std::memset(record.get(), fill, sizeof *record);
    record->category.assign(category);
    record->title.assign(title);
    return std::string(reinterpret_cast<const char *>(record.get()), RecordSize);
}

class PuzzleTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::remove_all(m_directory);
        fs::create_directories(m_directory);
        m_from = recordBytes("Nature", "Weather", 'a') + recordBytes("World", "Capitals", 'b')
            + recordBytes("Nature", "animals", 'c');
        ASSERT_TRUE(writeFileBytes(path("from.zp3"), m_from));
        m_open = recordBytes("Nature", "Owls", 'o');
        ASSERT_TRUE(writeFileBytes(path("open.ZP3"), m_open));
    }
    void TearDown() override { fs::remove_all(m_directory); }

    fs::path path(const std::string &name) const { return m_directory / name; }
    std::string bytes(const std::string &name) const
    {
        return readFileBytes(path(name), 20 * RecordSize).value_or("missing");
    }
    std::string record(int n) const
    {
        return m_from.substr(static_cast<std::size_t>(n) * RecordSize, RecordSize);
    }

    const fs::path m_directory = fs::temp_directory_path()
        / ("gw_transfer_" + std::to_string(::getpid()) + "_"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string m_from;
    std::string m_open;
};

// The extension alone decides, without regard to case; data.zpk is a 16-bit file, and the
// crosswords of other programs come as .ipuz and .puz.
TEST(PuzzleTransfer, ImportKindByExtension)
{
    EXPECT_EQ(importKind("/x/garden.ipuz"), ImportKind::Ipuz);
    EXPECT_EQ(importKind("/x/GARDEN.IPUZ"), ImportKind::Ipuz);
    EXPECT_EQ(importKind("/x/garden.Puz"), ImportKind::Puz);
    EXPECT_EQ(importKind("/x/ipuz"), ImportKind::Unknown);
    EXPECT_EQ(importKind("/x/data.zpk"), ImportKind::SixteenBit);
    EXPECT_EQ(importKind("/x/DATA.ZPK"), ImportKind::SixteenBit);
    EXPECT_EQ(importKind("/x/more.Zp3"), ImportKind::Collection);
    EXPECT_EQ(importKind("/x/notes.txt"), ImportKind::Unknown);
    EXPECT_EQ(importKind("/x/zp3"), ImportKind::Unknown);
    EXPECT_EQ(importKind("zp3"), ImportKind::Unknown);
}

// Imported records arrive byte for byte at the end, in the order given; nothing is renumbered.
TEST_F(PuzzleTransferTest, ImportAppendsRecordsUnchanged)
{
    const std::vector<int> chosen { 2, 0 };
    ASSERT_TRUE(importPuzzles(path("from.zp3"), chosen, path("open.ZP3")));
    EXPECT_EQ(bytes("open.ZP3"), m_open + record(2) + record(0));
    // Twice gives duplicates; the categories merge by name.
    ASSERT_TRUE(importPuzzles(path("from.zp3"), chosen, path("open.ZP3")));
    const CollectionLists lists = CollectionLists::load(path("open.ZP3"));
    EXPECT_EQ(lists.puzzles().size(), 5u);
    EXPECT_EQ(lists.categories(), std::vector<std::string> { "Nature" });
    // A missing collection is created.
    ASSERT_TRUE(importPuzzles(path("from.zp3"), std::vector<int> { 1 }, path("new.zp3")));
    EXPECT_EQ(bytes("new.zp3"), record(1));
}

// A record that cannot be read, or a collection that cannot be written, changes nothing.
TEST_F(PuzzleTransferTest, ImportIsAllOrNothing)
{
    EXPECT_EQ(importPuzzles(path("from.zp3"), std::vector<int> { 0, 7 }, path("open.ZP3")).error(),
        unableToImportPuzzles());
    EXPECT_EQ(bytes("open.ZP3"), m_open);
    EXPECT_EQ(importPuzzles(path("from.zp3"), std::vector<int> { 0, -1 }, path("new.zp3")).error(),
        unableToImportPuzzles());
    EXPECT_FALSE(fs::exists(path("new.zp3")));
    EXPECT_EQ(importPuzzles(path("missing.zp3"), std::vector<int> { 0 }, path("open.ZP3")).error(),
        unableToImportPuzzles());
    EXPECT_EQ(importPuzzles(path("from.zp3"), std::vector<int> { 0 }, path("no") / "such.zp3").error(),
        unableToImportPuzzles());
    EXPECT_EQ(bytes("open.ZP3"), m_open);
}

// The open collection cannot be imported into itself, however its path is spelled.
TEST_F(PuzzleTransferTest, ImportRefusesTheOpenCollection)
{
    fs::create_symlink(path("open.ZP3"), path("link.zp3"));
    for (const fs::path &same : { path("open.ZP3"), m_directory / "." / "open.ZP3", path("link.zp3") }) {
        EXPECT_EQ(
            importPuzzles(same, std::vector<int> { 0 }, path("open.ZP3")).error(), importIsOpenCollection())
            << same;
    }
    EXPECT_EQ(bytes("open.ZP3"), m_open);
    EXPECT_TRUE(sameFile(path("new.zp3"), m_directory / "sub" / ".." / "new.zp3"));
    EXPECT_FALSE(sameFile(path("new.zp3"), path("NEW.zp3")));
}

// Export writes the chosen records in list order, which is alphabetical by title, and
// replaces an existing file only once every record is written.
TEST_F(PuzzleTransferTest, ExportWritesAlphabeticalOrder)
{
    const std::vector<CollectionLine> lines = puzzleTitleLines(path("from.zp3"));
    EXPECT_EQ(lines, (std::vector<CollectionLine> { { "animals", 2 }, { "Capitals", 1 }, { "Weather", 0 } }));
    std::vector<int> chosen;
    for (const CollectionLine &line : lines)
        chosen.push_back(line.tag);
    ASSERT_TRUE(writeFileBytes(path("out.zp3"), "old contents"));
    ASSERT_TRUE(exportPuzzles(path("from.zp3"), chosen, path("out.zp3")));
    EXPECT_EQ(bytes("out.zp3"), record(2) + record(1) + record(0));

    // A failure keeps the file it was to replace and leaves no part file behind.
    EXPECT_EQ(exportPuzzles(path("from.zp3"), std::vector<int> { 1, 9 }, path("out.zp3")).error(),
        unableToExportPuzzles());
    EXPECT_EQ(bytes("out.zp3"), record(2) + record(1) + record(0));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_directory), fs::directory_iterator()), 3);
    EXPECT_EQ(exportPuzzles(path("missing.zp3"), std::vector<int> { 0 }, path("x.zp3")).error(),
        unableToExportPuzzles());
    EXPECT_EQ(exportPuzzles(path("from.zp3"), std::vector<int> { 0 }, path("no") / "x.zp3").error(),
        unableToExportPuzzles());
    EXPECT_FALSE(fs::exists(path("x.zp3")));
}

// Exporting into the open collection would empty it before reading it: refused, file intact.
TEST_F(PuzzleTransferTest, ExportNeverEmptiesTheOpenCollection)
{
    EXPECT_EQ(exportPuzzles(path("from.zp3"), std::vector<int> { 0, 1 }, path("from.zp3")).error(),
        exportIsOpenCollection());
    EXPECT_EQ(exportPuzzles(path("from.zp3"), std::vector<int> { 0 }, m_directory / "." / "from.zp3").error(),
        exportIsOpenCollection());
    EXPECT_EQ(bytes("from.zp3"), m_from);
}

// A 16-bit puzzle is converted into the working record and appended as a new puzzle.
TEST_F(PuzzleTransferTest, SixteenBitImportAppendsTheConvertedPuzzle)
{
    auto old = std::make_unique<OldPuzzleRecord>();
    std::memset(old.get(), 0, sizeof *old);
    old->title.assign("Comets");
    old->size = 11;
    old->wordCount = 1;
    old->words[0].assign("TAIL");
    const std::string file
        = std::string("ZPK") + char(0) + std::string(reinterpret_cast<const char *>(old.get()), sizeof *old);
    ASSERT_TRUE(writeFileBytes(path("comet.ZPK"), file));
    layout::LayoutRecord pageLayout;
    std::memset(&pageLayout, 'L', sizeof pageLayout);
    auto working = std::make_unique<PuzzleRecord>();
    std::memset(working.get(), 0, sizeof *working);

    const auto added = importSixteenBitPuzzle(path("comet.ZPK"), path("open.ZP3"), pageLayout, *working);
    ASSERT_TRUE(added);
    EXPECT_EQ(*added, 1);
    EXPECT_EQ(working->title.str(), "Comets");
    EXPECT_EQ(working->category.str(), "Version 2.0 Puzzles");
    EXPECT_EQ(
        bytes("open.ZP3"), m_open + std::string(reinterpret_cast<const char *>(working.get()), RecordSize));

    ASSERT_TRUE(writeFileBytes(path("short.zpk"), file.substr(0, file.size() - 1)));
    EXPECT_EQ(importSixteenBitPuzzle(path("short.zpk"), path("open.ZP3"), pageLayout, *working).error(),
        zpkCorrupt());
    EXPECT_EQ(fs::file_size(path("open.ZP3")), 2 * RecordSize);
    EXPECT_EQ(importSixteenBitPuzzle(path("comet.ZPK"), path("no") / "x.zp3", pageLayout, *working).error(),
        unableToSavePuzzle());
}

} // namespace
} // namespace gw::model
