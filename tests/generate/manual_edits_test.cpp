#include "generate/DrawnPuzzle.h"
#include "generate/ManualEdits.h"
#include "support/TestRecords.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace gw::generate {
namespace {

using model::PuzzleRecord;
using shapes::cellIndex;

using test::drawnPuzzle;

void type(PuzzleRecord &record, int column, int row, char letter)
{
    record.grid[cellIndex(column, row) - 1] = static_cast<std::uint8_t>(letter);
}

// Each word as word/clue@start#number, A(cross) or D(own), * when placed, and its length.
std::vector<std::string> entries(const PuzzleRecord &record, int count)
{
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i)
        result.push_back(record.words[i].str() + "/" + record.clues[i].str() + "@"
            + std::to_string(record.startCell[i]) + "#" + std::to_string(record.clueNumber[i])
            + (record.direction[i] ? "A" : "D") + (record.placed[i] ? "*" : "")
            + std::to_string(record.letterCount[i]));
    return result;
}

// Answers every clue window with the clue "new N" and the given case.
struct Answers
{
    int caseSensitivity = 1;
    std::vector<std::string> asked;
    AskClue ask()
    {
        return [this](std::string_view letters) {
            asked.emplace_back(letters);
            return ClueAnswer { "new " + std::to_string(asked.size()), caseSensitivity };
        };
    }
};

// The squares just before and after a word are protected; a word at the edge of the puzzle
// area protects nothing beyond it.
TEST(EditableSquares, ProtectsTheSquaresBeforeAndAfterEachWord)
{
    const auto record = drawnPuzzle({
        ".....",
        ".CAT.",
        ".A...",
        ".R...",
        "#....",
    });
    const EditableSquares squares(*record);
    EXPECT_TRUE(squares.InProtected(cellIndex(1, 2))); // before CAT
    EXPECT_TRUE(squares.InProtected(cellIndex(5, 2))); // after CAT: no letter may go there
    EXPECT_TRUE(squares.InProtected(cellIndex(2, 1))); // above CAR
    EXPECT_TRUE(squares.InProtected(cellIndex(2, 5))); // below CAR
    EXPECT_FALSE(squares.editable(cellIndex(5, 2)));
    EXPECT_FALSE(squares.editable(cellIndex(3, 2))); // a letter when the editor opened
    EXPECT_FALSE(squares.editable(cellIndex(1, 5))); // outside the shape
    EXPECT_FALSE(squares.editable(cellIndex(6, 1))); // beyond the width
    EXPECT_FALSE(squares.editable(cellIndex(1, 6))); // beyond the height
    EXPECT_TRUE(squares.editable(cellIndex(3, 3)));
    EXPECT_TRUE(squares.editable(cellIndex(5, 5)));

    const auto edge = drawnPuzzle({ "CAT", "...", "..." });
    const EditableSquares edgeSquares(*edge);
    for (int cell = 1; cell <= shapes::GridCells; ++cell)
        EXPECT_FALSE(edgeSquares.InProtected(cell)) << cell;
}

// A point on a grid line belongs to the square right of or below it, and never to a square
// outside the grid.
TEST(CalcBlock, MapsPointsToSquaresOfTheGrid)
{
    EXPECT_EQ(CalcBlock(1, 1, 10, 5, 4), cellIndex(1, 1));
    EXPECT_EQ(CalcBlock(10, 9, 10, 5, 4), cellIndex(2, 1));
    EXPECT_EQ(CalcBlock(49, 39, 10, 5, 4), cellIndex(5, 4));
    EXPECT_EQ(CalcBlock(50, 5, 10, 5, 4), -1);
    EXPECT_EQ(CalcBlock(-1, 5, 10, 5, 4), -1);
    EXPECT_EQ(CalcBlock(5, 5, 0, 5, 4), -1);
    EXPECT_EQ(CalcBlock(700, 700, 10, 80, 80), -1); // a width beyond the storage
}

TEST(LetterFromBox, TakesOnlyTheLettersAToZ)
{
    EXPECT_EQ(letterFromBox("q"), std::optional<std::uint8_t>('Q'));
    EXPECT_EQ(letterFromBox(" Z "), std::optional<std::uint8_t>('Z'));
    EXPECT_EQ(letterFromBox(""), std::optional<std::uint8_t>(model::BlankCell));
    EXPECT_EQ(letterFromBox("\xE9"), std::nullopt); // an accented letter
    EXPECT_EQ(letterFromBox("AB"), std::nullopt);
}

TEST(WordInCase, FollowsTheCaseSetting)
{
    EXPECT_EQ(wordInCase("CAT", 2), "cat");
    EXPECT_EQ(wordInCase("CAT", 0), "Cat"); // no choice made
    // Only the ASCII letters change; a hyphen or an accented capital stays.
    EXPECT_EQ(wordInCase("T-SHIRT", 3), "T-shirt");
    EXPECT_EQ(wordInCase("\xC9T\xC9", 2), "\xC9t\xC9");
}

// Typed letters make words only as runs of two or more, numbered as the generator numbers:
// across first, a shared start shares its number.  O under the C of CAT makes the down run CO,
// starting in CAT's square; OX across and OW down start in one new square, which is no existing
// word's start; the lone X makes no word.
TEST(AddNewWords, RunsOfTwoOrMoreTypedLettersAreNewWords)
{
    auto record = drawnPuzzle({ "CAT..", ".....", ".....", "....." });
    EXPECT_EQ(entries(*record, 1), std::vector<std::string> { "CAT/clue of CAT@1#1A*3" });
    type(*record, 1, 2, 'O');
    type(*record, 5, 1, 'X');
    type(*record, 4, 3, 'O');
    type(*record, 5, 3, 'X');
    type(*record, 4, 4, 'W');
    Answers answers;
    answers.caseSensitivity = 3;
    const AddedWords outcome = addNewWords(*record, answers.ask());
    EXPECT_EQ(outcome.added, 3);
    EXPECT_TRUE(outcome.limits.empty());
    EXPECT_EQ(answers.asked, (std::vector<std::string> { "CO", "OX", "OW" }));
    EXPECT_EQ(entries(*record, 4),
        (std::vector<std::string> {
            "CAT/clue of CAT@1#1A*3", "Ox/new 2@104#2A*2", "Co/new 1@1#1D*2", "Ow/new 3@104#2D*2" }));
    EXPECT_EQ(int(record->acrossCount), 2);
    EXPECT_EQ(int(record->downCount), 2);
}

// The words the generator left out follow the placed ones; a new word goes between them and
// none of them is overwritten, also when wordCount counts them (a record saved by the editor).
TEST(AddNewWords, KeepsTheLeftOutWords)
{
    for (const bool editorSaved : { false, true }) {
        auto record = drawnPuzzle({ "CAT..", ".....", "....." });
        record->words[1].assign("ZEBRA");
        record->clues[1].assign("striped");
        record->words[2].assign("YAK");
        if (editorSaved)
            record->wordCount = 3;
        type(*record, 1, 2, 'O');
        Answers answers;
        EXPECT_EQ(addNewWords(*record, answers.ask()).added, 1);
        EXPECT_EQ(int(record->wordCount), 2);
        EXPECT_EQ(record->words[2].str(), "ZEBRA");
        EXPECT_EQ(record->clues[2].str(), "striped");
        EXPECT_EQ(int(record->placed[2]), 0);
        EXPECT_EQ(record->words[3].str(), "YAK");
        EXPECT_EQ(record->words[1].str(), "CO");
        EXPECT_EQ(int(record->placed[1]), 1);
    }
}

// With every entry in use nothing is added and the limit is said; with room for one word only
// the first new word is added.
TEST(AddNewWords, StopsAtTwoHundredWords)
{
    auto record = drawnPuzzle({ "CAT..", ".....", "....." });
    type(*record, 1, 2, 'O');
    type(*record, 3, 2, 'O');
    for (int i = 1; i < model::MaxWords; ++i)
        record->words[i].assign("LEFT" + std::to_string(i));
    const auto full = std::make_unique<PuzzleRecord>(*record);
    Answers answers;
    AddedWords outcome = addNewWords(*full, answers.ask());
    EXPECT_EQ(outcome.added, 0);
    EXPECT_TRUE(answers.asked.empty());
    ASSERT_EQ(outcome.limits.size(), 1u);
    EXPECT_EQ(outcome.limits[0],
        (Failure {
            "Warning", "A puzzle holds at most 200 words.  The new words after that were not added." }));

    record->words[model::MaxWords - 1].clear();
    outcome = addNewWords(*record, answers.ask());
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(outcome.limits.size(), 1u);
    EXPECT_EQ(record->words[model::MaxWords - 1].str(), "LEFT198");
    EXPECT_EQ(int(record->wordCount), 2);
}

// A grid of more than 200 runs is looked at up to its 200th start, and says so.
TEST(AddNewWords, StopsAtTwoHundredStarts)
{
    auto record = test::zeroedPuzzle();
    record->generated = 1;
    record->width = 50;
    record->height = 50;
    std::memset(record->grid, model::BlankCell, sizeof record->grid);
    for (int row = 1; row <= 50; row += 2)
        for (int column = 1; column + 1 <= 50; column += 3) {
            type(*record, column, row, 'A');
            type(*record, column + 1, row, 'B');
        }
    Answers answers;
    const AddedWords outcome = addNewWords(*record, answers.ask());
    EXPECT_EQ(outcome.added, 200);
    ASSERT_EQ(outcome.limits.size(), 1u);
    EXPECT_EQ(outcome.limits[0].text,
        "The grid holds more than 200 word starts.  Only the words of the first 200 were looked at.");
    EXPECT_EQ(int(record->wordCount), 200);
    EXPECT_EQ(int(record->acrossCount), 200);
    EXPECT_EQ(int(record->clueNumber[199]), 200);
}

// Counts, sizes and cells out of range are clamped: nothing is read or written past the record.
TEST(ManualEdits, SurvivesAHostileRecord)
{
    auto record = test::zeroedPuzzle();
    std::memset(record.get(), 0x7F, sizeof(PuzzleRecord));
    record->generated = 1;
    record->wordCount = 999;
    record->acrossCount = -5;
    record->downCount = 300;
    record->width = 80;
    record->height = -3;
    EXPECT_EQ(placedWordCount(*record), 200);
    for (int i = 0; i < model::MaxWords; ++i) {
        record->startCell[i] = static_cast<std::uint16_t>(i % 2 ? 0 : 60000);
        record->letterCount[i] = 65535;
    }
    const EditableSquares squares(*record);
    EXPECT_FALSE(squares.editable(cellIndex(1, 1)));
    EXPECT_EQ(findWordStarts(*record).count, 0);
    Answers answers;
    EXPECT_EQ(addNewWords(*record, answers.ask()).added, 0);

    record->height = 50;
    std::memset(record->grid, 'Q', sizeof record->grid);
    const WordStarts starts = findWordStarts(*record);
    EXPECT_EQ(starts.count, 100); // every row across, every column down
    EXPECT_EQ(collectLetters(*record, starts.starts[0]), std::string(50, 'Q'));
    EXPECT_EQ(collectLetters(*record, { 0, true }), "");
    EXPECT_EQ(collectLetters(*record, { 2501, false }), "");
    putInClueOrder(*record);
    EXPECT_EQ(int(record->acrossCount) + int(record->downCount), 200);
}

} // namespace
} // namespace gw::generate
