#include "editor/CreateChecks.h"
#include "support/TestRecords.h"

#include <gtest/gtest.h>

namespace gw::editor {
namespace {

// Create refuses empty titles and categories, in that order, with the texts the user sees.
TEST(CreateChecks, TitleThenCategoryThenWords)
{
    auto problem = checkTitleAndCategory("   ", "");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, EntryField::Title);
    EXPECT_EQ(problem->failure, (Failure { "Error", "No title specified.  Please correct." }));
    problem = checkTitleAndCategory("Quiz", "  ");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->failure.text, "No category specified.  Please correct.");
    EXPECT_FALSE(checkTitleAndCategory(" Quiz ", "Fun"));
    EXPECT_EQ(checkWordCount(0)->failure.text, "No words have been entered.  Please correct.");
    EXPECT_FALSE(checkWordCount(1));
}

// Attempts are read like every number field: digits up to the first other character.
TEST(CreateChecks, AttemptsMustLieBetweenOneAndNineHundredNinetyNine)
{
    EXPECT_EQ(*readAttempts("12a"), 12);
    EXPECT_EQ(*readAttempts("999"), 999);
    EXPECT_EQ(*readAttempts(" 1"), 1);
    for (const char *refused : { "0", "", "abc", "1000", "-5" }) {
        const auto attempts = readAttempts(refused);
        ASSERT_FALSE(attempts) << refused;
        EXPECT_EQ(attempts.error().text, "Attempts must be between 1 and 999.  Please correct.");
    }
}

// The longest run decides which words can fit, so a gap in every row must shorten it.
TEST(CreateChecks, LongestRunCountsRowsAndColumns)
{
    EXPECT_EQ(longestRun(test::filledShape(15, 15)), 15);
    EXPECT_EQ(longestRun(test::shapeFromRows({ "###.####", "#.......", "#.......", "#......." })), 4);
    EXPECT_EQ(longestRun(test::shapeFromRows({ "##.", "#..", "#..", "#..", "#.." })), 5);
    EXPECT_EQ(longestRun(test::shapeFromRows({ "...", "..." })), 0);
}

// A word too long for the shape is named, with its entry, and the layout message comes
// with the exclamation sound.
TEST(CreateChecks, WordLongerThanShapeOrRunIsNamedWithItsEntry)
{
    auto puzzle = test::puzzleWithWords({ "CAT", "ABCDEFGHIJKLMNOP" });
    auto problem = checkWordsFit(*puzzle, test::filledShape(15, 15));
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->entry, 2);
    EXPECT_FALSE(problem->exclamation);
    EXPECT_EQ(problem->failure.text,
        "Word is greater than puzzle dimension size of 15 characters in \"ABCDEFGHIJKLMNOP\".");

    auto shape = test::filledShape(15, 15);
    for (int row = 1; row <= 15; ++row)
        shape.cells[shapes::cellIndex(12, row) - 1] = 0;
    for (int column = 1; column <= 15; ++column)
        shape.cells[shapes::cellIndex(column, 12) - 1] = 0;
    puzzle = test::puzzleWithWords({ "CAT", "ABCDEFGHIJKL" });
    problem = checkWordsFit(*puzzle, shape);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->exclamation);
    EXPECT_EQ(problem->entry, 2);
    EXPECT_EQ(problem->failure.text,
        "The maximum word length as provided by the selected layout is 11.  The following word is greater "
        "than the "
        "maximum word length: \"ABCDEFGHIJKL\".  You will need to correct the word or change the layout.");

    // The stored length counts a phrase's inner blank.
    puzzle = test::puzzleWithWords({ "ICE CREAMS" });
    EXPECT_TRUE(checkWordsFit(*puzzle, test::filledShape(9, 9)));
    EXPECT_FALSE(checkWordsFit(*puzzle, test::filledShape(10, 10)));
}

} // namespace
} // namespace gw::editor
