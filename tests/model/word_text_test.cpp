#include "model/WordText.h"

#include <gtest/gtest.h>

namespace gw::model {
namespace {

// A word file may be UTF-8 from a modern editor or Windows-1252 from an old one.
TEST(WordText, WordFileRowsSkipBlankLinesAndConvertToWindows1252)
{
    const auto rows = wordFileRows("caf\xc3\xa9: coffee house: hot\r\n\n   \nT-SHIRT\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].word, "caf\xe9");
    EXPECT_EQ(rows[0].clue, "coffee house: hot");
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
