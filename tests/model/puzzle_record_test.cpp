#include "model/PuzzleRecord.h"
#include "support/TestRecords.h"

#include <gtest/gtest.h>

namespace gw::model {
namespace {

// Rows with empty words leave no gaps, a clue without a word is dropped, and texts are
// trimmed and cut to their capacities.
TEST(PuzzleRecord, FillFromWordListPacksNonEmptyRows)
{
    auto record = test::zeroedPuzzle();
    record->words[5].assign("LEFTOVER");
    const std::string longWord(40, 'W');
    const std::vector<WordRow> rows = {
        { "  sun ", " star of the day " },
        { "", "orphan clue" },
        { "moon", "" },
        { "   ", "x" },
        { longWord, "long" },
    };
    fillFromWordList(*record, rows);
    EXPECT_EQ(int { record->wordCount }, 3);
    EXPECT_EQ(record->words[0].str(), "sun");
    EXPECT_EQ(record->clues[0].str(), "star of the day");
    EXPECT_EQ(record->words[1].str(), "moon");
    EXPECT_EQ(record->clues[1].str(), "");
    EXPECT_EQ(record->words[2].str(), std::string(30, 'W'));
    EXPECT_TRUE(record->words[5].empty());
}

// A copy is renamed within the 35-character title and loses its placed flags.
TEST(PuzzleRecord, CopyRenamesAndClearsPlacedFlags)
{
    auto record = test::zeroedPuzzle();
    record->title.assign(std::string(33, 'T'));
    record->placed[0] = record->placed[199] = 1;
    makeCopy(*record);
    EXPECT_EQ(record->title.str(), std::string(33, 'T') + " (");
    EXPECT_EQ(record->placed[0] + record->placed[199], 0);
}

// Saving a candidate stamps the version and copies exactly wordCount placed flags.
TEST(PuzzleRecord, StampForSavingTakesFlagsUpToTheWordCount)
{
    auto record = test::zeroedPuzzle();
    record->wordCount = 2;
    record->placed[7] = 1;
    std::uint8_t flags[MaxWords] = { 1, 1, 1 };
    stampForSaving(*record, flags);
    EXPECT_EQ(record->version.str(), "3.0b");
    EXPECT_EQ(record->generated, 1);
    EXPECT_EQ(record->placed[0] + record->placed[1], 2);
    EXPECT_EQ(record->placed[2], 0);
    EXPECT_EQ(record->placed[7], 0);

    record->wordCount = 30000; // an untrusted count must not run past the flags
    stampForSaving(*record, flags);
    EXPECT_EQ(record->placed[2], 1);
}

TEST(PuzzleRecord, ResetToNewTakesTheLayoutAndClearsTheEntries)
{
    auto record = test::puzzleWithWords({ "ONE", "TWO" });
    record->generated = 1;
    record->title.assign("Old");
    layout::LayoutRecord pageLayout {};
    pageLayout.name.assign("Page");
    resetToNew(*record, pageLayout);
    EXPECT_EQ(int { record->wordCount }, 0);
    EXPECT_TRUE(record->words[0].empty());
    EXPECT_TRUE(record->title.empty());
    EXPECT_EQ(int { record->width }, 15);
    EXPECT_EQ(record->generated, 0);
    EXPECT_EQ(record->layout.name.str(), "Page");
}

} // namespace
} // namespace gw::model
