#include "model/WordText.h"

#include <gtest/gtest.h>

namespace gw::model {
namespace {

TEST(WordText, LinesSplitAtLineFeedsWithCarriageReturnsDropped)
{
    const auto lines = textLines("one\r\ntwo\n\nthree");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "three");
    EXPECT_EQ(textLines(std::string(300, 'x'))[0].size(), 255u);
}

// Export pads words to 31 characters; import must read its own output back unchanged.
TEST(WordText, PairLinesRoundTrip)
{
    const std::string line = pairLine(" ZEBRA ", " striped horse ", ':');
    EXPECT_EQ(line, "ZEBRA" + std::string(26, ' ') + ": striped horse");
    const WordAndClue pair = splitPairLine(line, ':');
    EXPECT_EQ(pair.word, "ZEBRA");
    EXPECT_EQ(pair.clue, "striped horse");

    const WordAndClue sun = splitPairLine("sun: star of the day: really", ':');
    EXPECT_EQ(sun.word, "sun");
    EXPECT_EQ(sun.clue, "star of the day: really");
    EXPECT_EQ(splitPairLine("  lonely  ", ':').clue, "");
    EXPECT_EQ(pairLine(std::string(40, 'L'), "c", ';'), std::string(40, 'L') + "; c");
}

// A word file may be UTF-8 from a modern editor or Windows-1252 from an old one.
TEST(WordText, WordFileRowsSkipBlankLinesAndConvertToWindows1252)
{
    const auto rows = wordFileRows("caf\xc3\xa9: coffee house\r\n\n   \nT-SHIRT\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].word, "caf\xe9");
    EXPECT_EQ(rows[0].clue, "coffee house");
    EXPECT_EQ(rows[1].word, "T-SHIRT");
    EXPECT_EQ(rows[1].clue, "");
    // One byte that is not UTF-8 makes the whole file Windows-1252.
    const auto old = wordFileRows("caf\xc3\xa9\nna\xefve: innocent\n");
    ASSERT_EQ(old.size(), 2u);
    EXPECT_EQ(old[0].word, "caf\xc3\xa9");
    EXPECT_EQ(old[1].word, "na\xefve");
}

} // namespace
} // namespace gw::model
