#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

// Accented letters and the 0x80..0x9F punctuation survive the trip through UTF-8.
TEST(Windows1252, RoundTripsEveryByte)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    EXPECT_EQ(windows1252ToUtf8("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(utf8ToWindows1252("caf\xc3\xa9 \xe2\x80\x94"), "caf\xe9 \x97");
}

TEST(Windows1252, UnmappableCharactersBecomeQuestionMarksAndInvalidUtf8PassesThrough)
{
    EXPECT_EQ(utf8ToWindows1252("\xe6\x97\xa5"), "?");
    EXPECT_EQ(utf8ToWindows1252("caf\xe9"), "caf\xe9");
    EXPECT_EQ(utf8ToWindows1252("\xc3"), "\xc3");
}

} // namespace
} // namespace gw
