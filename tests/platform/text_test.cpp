#include "platform/Text.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

// A title holding parentheses of its own was counted from its first "(" and copied as
// "Math (Grade 5) (2) (2)".  Puzzles (35), shapes (50) and layouts (20) name copies alike: the
// last parenthesised number counts up, anything else gets " (2)", and the copy is cut to size.
TEST(CopyName, TakesTheLastParenthesisNumber)
{
    const struct
    {
        std::string_view title;
        std::size_t capacity;
        std::string_view copy;
    } cases[] = {
        { "Math (Grade 5) (2)", 35, "Math (Grade 5) (3)" },
        { "Set (A) (9)", 20, "Set (A) (10)" },
        { "Math (Grade 5)", 35, "Math (Grade 5) (2)" },
        { "  Star  ", 50, "Star (2)" },
        { "Box (0)", 50, "Box (0) (2)" },
        { "Box (-3)", 50, "Box (-3) (2)" },
        { "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ", 35, "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ" },
        { "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ", 35, "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ (" },
        { "", 20, " (2)" },
    };
    for (const auto &[title, capacity, copy] : cases)
        EXPECT_EQ(copyName(title, capacity), copy) << title;
}

TEST(UpperCase, ChangesOnlyAsciiAndAccentedLowerCaseLetters)
{
    EXPECT_EQ(upperCased("ice-cream"), "ICE-CREAM");
    EXPECT_EQ(upperCased("\xe0\xf6\xf7\xf8\xfe\xff"), "\xc0\xd6\xf7\xd8\xde\xff");
    EXPECT_EQ(upperCased("\x9a\xdf"), "\x9a\xdf");
    EXPECT_TRUE(equalsIgnoringCase("Caf\xe9", "CAF\xc9"));
    EXPECT_FALSE(equalsIgnoringCase("Cafe", "Caf"));
}

TEST(Trim, RemovesOnlyBlanks)
{
    EXPECT_EQ(trimmed("  a b  "), "a b");
    EXPECT_EQ(trimmed("\ta\t"), "\ta\t");
    EXPECT_EQ(storedText("  abcdef ", 3), "abc");
}

// The usual forms are the settings test's; a hand-edited number too long for an int stops at its largest.
TEST(LeadingNumber, OverlongDigitsStopAtTheLargestInt)
{
    EXPECT_EQ(parseLeadingNumber("99999999999999999999"), 2147483647);
}

} // namespace
} // namespace gw
