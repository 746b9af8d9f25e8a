#include "model/CollectionLists.h"
#include "model/PreviousVersion.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace gw::model {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::oldPuzzle;

layout::LayoutRecord markedLayout(char mark)
{
    layout::LayoutRecord pageLayout;
    std::memset(&pageLayout, mark, sizeof pageLayout);
    return pageLayout;
}

class PreviousVersionTest : public test::ScratchFolderTest
{
protected:
    fs::path file(const std::string &name) const { return dir() / name; }
};

// The converted record is the one the conversion's steps make, byte for byte: whatever the
// working record held outside the converted fields stays.
TEST(PreviousVersion, ConvertsEveryFieldAndKeepsTheRest)
{
    const auto old = oldPuzzle("Planets", 6);
    auto into = std::make_unique<PuzzleRecord>();
    std::memset(into.get(), 'w', sizeof *into);
    into->bonusQuestion.assign("left over");
    auto expected = std::make_unique<PuzzleRecord>(*into);
    convertOldPuzzle(*old, markedLayout('L'), *into);

    expected->version.assign("3.0b");
    expected->title.assign("Planets");
    expected->category.assign("Version 2.0 Puzzles");
    expected->bonusQuestion.assign("");
    expected->width = expected->height = 13;
    std::memcpy(expected->grid, old->grid, sizeof expected->grid);
    expected->wordCount = 6;
    expected->acrossCount = expected->downCount = 3;
    expected->generated = 1;
    expected->layout = markedLayout('L');
    for (int i = 0; i < MaxWords; ++i) {
        expected->words[i].assign(i < 6 ? "WORD" + std::to_string(i + 1) : "");
        expected->clues[i].assign(i < 6 ? std::string(100, 'c') : "");
        expected->placed[i] = i < 6 ? 1 : 0;
        expected->startCell[i] = static_cast<std::uint16_t>(i + 1);
        expected->letterCount[i] = static_cast<std::uint16_t>(4 + i % 3);
        expected->clueNumber[i] = static_cast<std::uint16_t>(i / 2 + 1);
        expected->direction[i] = static_cast<std::uint8_t>(i % 2);
    }
    EXPECT_EQ(bytesOf(*into), bytesOf(*expected));
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
    const std::string good = test::zpkFile(*old);
    ASSERT_TRUE(writeFileBytes(file("good.zpk"), good + "trailing bytes"));
    const auto read = readZpkFile(file("good.zpk"));
    ASSERT_TRUE(read);
    EXPECT_EQ(bytesOf(*read), bytesOf(*old));

    const std::string longVersion = std::string("ZPK") + char(255) + std::string(255, 'v');
    ASSERT_TRUE(writeFileBytes(file("long.zpk"), longVersion + bytesOf(*old)));
    EXPECT_TRUE(readZpkFile(file("long.zpk")));

    const std::pair<const char *, std::string> corrupt[] = {
        { "short.zpk", good.substr(0, good.size() - 1) },
        { "mark.zpk", "ZPJ" + good.substr(3) },
        { "lying.zpk", std::string("ZPK") + char(255) + "2.0" + bytesOf(*old).substr(0, 252 + 30000) },
        { "empty.zpk", "" },
        { "markonly.zpk", "ZPK" },
    };
    for (const auto &[name, bytes] : corrupt) {
        ASSERT_TRUE(writeFileBytes(file(name), bytes));
        const auto refused = readZpkFile(file(name));
        ASSERT_FALSE(refused) << name;
        EXPECT_EQ(refused.error(), zpkCorrupt()) << name;
    }
    EXPECT_EQ(readZpkFile(file("missing.zpk")).error(), zpkCannotOpen());
    EXPECT_EQ(readZpkFile(dir()).error(), zpkCannotOpen());
}

// The old puzzle file is appended to the collection in file order, each record converted,
// and deleted; a failure leaves both files as they were.
TEST_F(PreviousVersionTest, ConvertsTheOldPuzzleFile)
{
    const fs::path oldFile = file("ZPFUPUZZ.DAT");
    const fs::path collection = file("OLDPUZZ.ZP3");
    ASSERT_TRUE(writeFileBytes(
        oldFile, bytesOf(*oldPuzzle("First", 2)) + bytesOf(*oldPuzzle("Second", 3)) + std::string(100, 'p')));
    ASSERT_TRUE(writeFileBytes(collection, bytesOf(*test::markedPuzzle("Mine", "Kept", 'e'))));

    const fs::path noDirectory = file("gone") / "OLDPUZZ.ZP3";
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
    const std::string bytes = bytesOf(test::filledShape(9, 7, "Old Star"));
    ASSERT_TRUE(writeFileBytes(file("ZPFULAY.DAT"), bytes + bytes));
    EXPECT_EQ(convertOldShapeFile(file("ZPFULAY.DAT"), file("none") / "ZPFLAY.DAT").error(),
        (Failure { "Error", "Unable to add shapes." }));
    const auto done = convertOldShapeFile(file("ZPFULAY.DAT"), file("ZPFLAY.DAT"));
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, (Notice { "Ok", "Puzzle shapes have been added." }));
    EXPECT_EQ(readFileBytes(file("ZPFLAY.DAT"), 1 << 20).value(), bytes + bytes);
    EXPECT_FALSE(fs::exists(file("ZPFULAY.DAT")));
    EXPECT_EQ(convertOldShapeFile(file("ZPFULAY.DAT"), file("ZPFLAY.DAT")).error(),
        (Failure { "Error", "Puzzles could not be imported." }));
}

} // namespace
} // namespace gw::model
