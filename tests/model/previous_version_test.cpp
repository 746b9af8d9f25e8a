#include "model/CollectionLists.h"
#include "model/PreviousVersion.h"
#include "platform/RecordFile.h"
#include "shapes/ShapeRecord.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace gw::model {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<OldPuzzleRecord> oldPuzzle(std::string_view title, int words)
{
    auto old = std::make_unique<OldPuzzleRecord>();
    std::memset(old.get(), 0, sizeof *old);
    old->title.assign(title);
    old->size = 13;
    for (int i = 0; i < shapes::GridCells; ++i)
        old->grid[i] = static_cast<std::uint8_t>('A' + i % 26);
    old->wordCount = static_cast<std::int16_t>(words);
    old->acrossCount = static_cast<std::int16_t>(words / 2);
    old->downCount = static_cast<std::int16_t>(words - words / 2);
    for (int i = 0; i < MaxWords; ++i) {
        old->words[i].assign("WORD" + std::to_string(i + 1));
        old->clues[i].assign(std::string(OldClueCapacity, 'c'));
        old->startCell[i] = static_cast<std::uint16_t>(i + 1);
        old->letterCount[i] = static_cast<std::uint16_t>(4 + i % 3);
        old->clueNumber[i] = static_cast<std::uint16_t>(i / 2 + 1);
        old->direction[i] = static_cast<std::uint8_t>(i % 2);
    }
    return old;
}

std::string bytesOf(const OldPuzzleRecord &old)
{
    return std::string(reinterpret_cast<const char *>(&old), sizeof old);
}

layout::LayoutRecord markedLayout(char mark)
{
    layout::LayoutRecord pageLayout;
    std::memset(&pageLayout, mark, sizeof pageLayout);
    return pageLayout;
}

class PreviousVersionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::remove_all(m_directory);
        fs::create_directories(m_directory);
    }
    void TearDown() override { fs::remove_all(m_directory); }
    fs::path path(const std::string &name) const { return m_directory / name; }

    const fs::path m_directory = fs::temp_directory_path()
        / ("gw_previous_" + std::to_string(::getpid()) + "_"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// The conversion follows its steps field by field, and whatever the working record held
// outside the converted fields stays.
TEST(PreviousVersion, ConvertsEveryFieldAndKeepsTheRest)
{
    const auto old = oldPuzzle("Planets", 6);
    auto into = std::make_unique<PuzzleRecord>();
    std::memset(into.get(), 'w', sizeof *into);
    into->bonusQuestion.assign("left over");
    convertOldPuzzle(*old, markedLayout('L'), *into);

    EXPECT_EQ(into->version.str(), "3.0b");
    EXPECT_EQ(into->title.str(), "Planets");
    EXPECT_EQ(into->category.str(), "Version 2.0 Puzzles");
    EXPECT_TRUE(into->bonusQuestion.empty());
    EXPECT_EQ(int(into->width), 13);
    EXPECT_EQ(int(into->height), 13);
    EXPECT_EQ(std::memcmp(into->grid, old->grid, sizeof into->grid), 0);
    EXPECT_EQ(int(into->wordCount), 6);
    EXPECT_EQ(int(into->acrossCount), 3);
    EXPECT_EQ(int(into->downCount), 3);
    EXPECT_EQ(int(into->generated), 1);
    const layout::LayoutRecord expectedLayout = markedLayout('L');
    EXPECT_EQ(std::memcmp(&into->layout, &expectedLayout, sizeof expectedLayout), 0);
    for (int i = 0; i < MaxWords; ++i) {
        SCOPED_TRACE(i);
        const bool inUse = i < 6;
        EXPECT_EQ(into->words[i].str(), inUse ? "WORD" + std::to_string(i + 1) : "");
        EXPECT_EQ(into->clues[i].str(), inUse ? std::string(100, 'c') : "");
        EXPECT_EQ(int(into->placed[i]), inUse ? 1 : 0);
        EXPECT_EQ(int(into->startCell[i]), i + 1);
        EXPECT_EQ(int(into->letterCount[i]), 4 + i % 3);
        EXPECT_EQ(int(into->clueNumber[i]), i / 2 + 1);
        EXPECT_EQ(int(into->direction[i]), i % 2);
    }
    for (std::uint8_t unused : into->unused)
        EXPECT_EQ(int(unused), 'w');
}

// Counts and sizes from an old file are untrusted: they are clamped to what the record holds.
TEST(PreviousVersion, HostileCountsAreClamped)
{
    auto old = oldPuzzle("x", 0);
    old->title.length = 255;
    old->size = 900;
    old->wordCount = 3000;
    old->acrossCount = -5;
    old->downCount = 999;
    old->words[3].length = 200;
    auto into = std::make_unique<PuzzleRecord>();
    std::memset(into.get(), 0, sizeof *into);
    convertOldPuzzle(*old, markedLayout(0), *into);
    EXPECT_EQ(into->title.size(), 35u);
    EXPECT_EQ(int(into->width), 50);
    EXPECT_EQ(int(into->wordCount), 200);
    EXPECT_EQ(int(into->acrossCount), 0);
    EXPECT_EQ(int(into->downCount), 200);
    EXPECT_EQ(into->words[3].size(), 30u);

    old->size = -4;
    old->wordCount = -1;
    old->acrossCount = 7;
    convertOldPuzzle(*old, markedLayout(0), *into);
    EXPECT_EQ(int(into->height), 0);
    EXPECT_EQ(int(into->wordCount), 0);
    EXPECT_EQ(int(into->acrossCount), 0);
    EXPECT_EQ(int(into->downCount), 0);
    EXPECT_EQ(int(into->placed[0]), 0);
}

// A 16-bit file is "ZPK", a version of any length and one whole old record; every length is
// checked, and one byte short is corrupt.
TEST_F(PreviousVersionTest, ReadsZpkFilesCheckingEveryLength)
{
    const auto old = oldPuzzle("Moons", 4);
    const std::string header = std::string("ZPK") + char(3) + "2.0";
    ASSERT_TRUE(writeFileBytes(path("good.zpk"), header + bytesOf(*old) + "trailing bytes"));
    const auto read = readZpkFile(path("good.zpk"));
    ASSERT_TRUE(read);
    EXPECT_EQ(bytesOf(*read), bytesOf(*old));

    const std::string longVersion = std::string("ZPK") + char(255) + std::string(255, 'v');
    ASSERT_TRUE(writeFileBytes(path("long.zpk"), longVersion + bytesOf(*old)));
    EXPECT_TRUE(readZpkFile(path("long.zpk")));

    const std::pair<const char *, std::string> corrupt[] = {
        { "short.zpk", header + bytesOf(*old).substr(0, sizeof(OldPuzzleRecord) - 1) },
        { "mark.zpk", std::string("ZPJ") + char(3) + "2.0" + bytesOf(*old) },
        { "lying.zpk", std::string("ZPK") + char(255) + "2.0" + bytesOf(*old).substr(0, 252 + 30000) },
        { "empty.zpk", "" },
        { "markonly.zpk", "ZPK" },
        { "nolength.zpk", "ZP" },
    };
    for (const auto &[name, bytes] : corrupt) {
        ASSERT_TRUE(writeFileBytes(path(name), bytes));
        const auto refused = readZpkFile(path(name));
        ASSERT_FALSE(refused) << name;
        EXPECT_EQ(refused.error(), zpkCorrupt()) << name;
    }
    EXPECT_EQ(readZpkFile(path("missing.zpk")).error(), zpkCannotOpen());
    EXPECT_EQ(readZpkFile(m_directory).error(), zpkCannotOpen());
}

// The old puzzle file is appended to the collection in file order, each record converted,
// and deleted; a failure leaves both files as they were.
TEST_F(PreviousVersionTest, ConvertsTheOldPuzzleFile)
{
    const fs::path oldFile = path("ZPFUPUZZ.DAT");
    const fs::path collection = path("OLDPUZZ.ZP3");
    ASSERT_TRUE(writeFileBytes(
        oldFile, bytesOf(*oldPuzzle("First", 2)) + bytesOf(*oldPuzzle("Second", 3)) + std::string(100, 'p')));
    auto existing = std::make_unique<PuzzleRecord>();
    std::memset(existing.get(), 'e', sizeof *existing);
    existing->category.assign("Mine");
    existing->title.assign("Kept");
    ASSERT_TRUE(writeFileBytes(
        collection, std::string(reinterpret_cast<const char *>(existing.get()), sizeof *existing)));

    const fs::path noDirectory = path("gone") / "OLDPUZZ.ZP3";
    const auto failed = convertOldPuzzleFile(oldFile, noDirectory, markedLayout('L'));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), (Failure { "Error", "Unable to save puzzles." }));
    EXPECT_TRUE(fs::exists(oldFile));

    const auto done = convertOldPuzzleFile(oldFile, collection, markedLayout('L'));
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, (Notice { "Ok", "A new puzzle group named \"OLDPUZZ.ZP3\" has been created." }));
    EXPECT_FALSE(fs::exists(oldFile));
    const CollectionLists lists = CollectionLists::load(collection);
    ASSERT_EQ(lists.puzzles().size(), 3u);
    EXPECT_EQ(lists.puzzles()[1].title, "First");
    EXPECT_EQ(lists.puzzles()[2].title, "Second");
    EXPECT_EQ(lists.categories(), (std::vector<std::string> { "Mine", "Version 2.0 Puzzles" }));

    EXPECT_EQ(convertOldPuzzleFile(oldFile, collection, markedLayout('L')).error(),
        (Failure { "Error", "Puzzles could not be imported." }));
}

// Old shapes are appended unchanged to the library, which is created when missing.
TEST_F(PreviousVersionTest, ConvertsTheOldShapeFile)
{
    shapes::ShapeRecord shape {};
    shape.title.assign("Old Star");
    shape.width = 9;
    shape.height = 7;
    const std::string bytes(reinterpret_cast<const char *>(&shape), sizeof shape);
    ASSERT_TRUE(writeFileBytes(path("ZPFULAY.DAT"), bytes + bytes));
    EXPECT_EQ(convertOldShapeFile(path("ZPFULAY.DAT"), path("none") / "ZPFLAY.DAT").error(),
        (Failure { "Error", "Unable to add shapes." }));
    const auto done = convertOldShapeFile(path("ZPFULAY.DAT"), path("ZPFLAY.DAT"));
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, (Notice { "Ok", "Puzzle shapes have been added." }));
    EXPECT_EQ(readFileBytes(path("ZPFLAY.DAT"), 1 << 20).value(), bytes + bytes);
    EXPECT_FALSE(fs::exists(path("ZPFULAY.DAT")));
    EXPECT_EQ(convertOldShapeFile(path("ZPFULAY.DAT"), path("ZPFLAY.DAT")).error(),
        (Failure { "Error", "Puzzles could not be imported." }));
}

} // namespace
} // namespace gw::model
