#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/SelectionMemory.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gw::model {
namespace {

using Lines = std::vector<CollectionLine>;

// Lists are alphabetical without regard to case; equal titles keep file order.
TEST(CollectionListsOrder, SortsCaseBlindKeepingFileOrderOfTwins)
{
    CollectionLists lists;
    for (const char *title : { "zebra", "Apple", "mango", "apple", "Mango" })
        ASSERT_TRUE(lists.add("Fruit", title));
    ASSERT_TRUE(lists.add("animals", "Cat"));
    ASSERT_TRUE(lists.add("Birds", "Owl"));
    EXPECT_EQ(lists.puzzleLines(0),
        (Lines { { "Apple", 1 }, { "apple", 3 }, { "mango", 2 }, { "Mango", 4 }, { "zebra", 0 } }));
    EXPECT_EQ(lists.categoryLines(), (Lines { { "animals", 1 }, { "Birds", 2 }, { "Fruit", 0 } }));
    EXPECT_TRUE(lists.puzzleLines(3).empty());
    EXPECT_TRUE(lists.puzzleLines(-1).empty());
}

// The 16-bit tags stay whole: the tables stop at 65536 puzzles and as many categories.
TEST(CollectionListsLimit, StopsAtTheLargestRecordNumber)
{
    CollectionLists lists;
    for (int n = 0; n < MaxCollectionPuzzles; ++n)
        ASSERT_TRUE(lists.add(std::to_string(n), "T"));
    EXPECT_FALSE(lists.add("new", "T"));
    EXPECT_FALSE(lists.add("0", "T"));
    ASSERT_EQ(lists.puzzles().size(), std::size_t(MaxCollectionPuzzles));
    EXPECT_EQ(lists.categories().size(), std::size_t(MaxCollectionPuzzles));
    EXPECT_EQ(lists.puzzles().back().recordNumber, 65535);
    EXPECT_EQ(lists.puzzles().back().categoryIndex, 65535);
}

// After a save the first line equal without regard to case is selected, category and puzzle.
TEST(CollectionSelection, ReselectsTheFirstLineEqualIgnoringCase)
{
    const Lines categories { { "Animals", 1 }, { "animals", 0 }, { "Food", 2 } };
    const Lines puzzles { { "Quiz", 4 }, { "quiz", 1 }, { "Zoo", 2 } };
    SelectionMemory memory;
    EXPECT_EQ(memory.categoryLine(categories), std::nullopt);
    EXPECT_EQ(memory.takePuzzleLine(puzzles), std::nullopt);

    memory.remember("ANIMALS", "QUIZ");
    EXPECT_EQ(memory.categoryLine(categories), 0u);
    EXPECT_EQ(memory.takePuzzleLine(puzzles), 0u);
    EXPECT_EQ(memory.takePuzzleLine(puzzles), std::nullopt) << "the memory is used once";

    memory.remember("Plants", "Fern");
    EXPECT_EQ(memory.categoryLine(categories), std::nullopt);
    EXPECT_EQ(memory.takePuzzleLine(puzzles), std::nullopt);
    EXPECT_EQ(memory.categoryLine(categories), std::nullopt) << "an unmatched title forgets too";
}

// After a delete the line before is remembered, the deleted title for the first line, none for the only one.
TEST(CollectionSelection, RemembersTheNeighbourOfADeletedLine)
{
    const Lines three { { "Alpha", 0 }, { "Beta", 1 }, { "Gamma", 2 } };
    const Lines after { { "alpha", 0 }, { "beta", 1 }, { "", 2 } };
    const struct
    {
        Lines shown;
        std::size_t deleted;
        std::optional<std::size_t> selected;
    } cases[] = { { three, 2, 1u }, { three, 1, 0u }, { three, 0, 0u }, { { { "Alpha", 0 } }, 0, 2u },
        { three, 3, 2u }, { {}, 0, 2u } };
    for (const auto &c : cases) {
        SelectionMemory memory;
        memory.rememberAfterDelete("Quiz", c.shown, c.deleted);
        EXPECT_EQ(memory.categoryLine(Lines { { "QUIZ", 0 } }), 0u);
        EXPECT_EQ(memory.takePuzzleLine(after), c.selected) << c.deleted;
    }
}

} // namespace
} // namespace gw::model
