#pragma once

#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "shapes/ShapeRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::generate {

// Hand editing of a generated grid: letters typed into its empty squares become new words,
// which join the placed words in clue order.
//
// The placed words of a record are its entries 1..placedWordCount(): a record saved by the word
// list editor counts its left-out words in wordCount as well, while acrossCount + downCount
// stay those of the placed ones.  The left-out words after them are kept, never overwritten.

constexpr int MaxWordStarts = 200;

// acrossCount + downCount, each clamped, and never more than wordCount.
int placedWordCount(const model::PuzzleRecord &record);

// Why a record's grid cannot be edited by hand, or nothing: a puzzle never generated has no
// grid to add words to.
std::optional<Failure> gridEditingRefusal(const model::PuzzleRecord &record);

// The squares the hand editor may write to, fixed when it opens: empty shape squares of the
// puzzle's width x height that are not just before or just after a placed word.
class EditableSquares
{
public:
    explicit EditableSquares(const model::PuzzleRecord &record);

    // A square just before or just after a placed word, which must stay empty.
    bool InProtected(int cell) const;
    bool editable(int cell) const;

private:
    int m_width;
    int m_height;
    std::array<std::uint8_t, shapes::GridCells> m_gridAtOpening;
    std::array<bool, shapes::GridCells> m_protected {};
};

// The square under a point (x, y) of a picture whose squares are cell pixels wide, with grid
// lines at multiples of cell: column x div cell + 1, row y div cell + 1, so a point on a line
// belongs to the square right of or below it.  -1 outside the width x height squares.
int CalcBlock(int x, int y, int cell, int width, int height);

// The letter box's text as a grid byte: blank for an empty (or all blank) box, A..Z for one
// letter a..z or A..Z, nothing for anything else (accented letters, digits, punctuation).
std::optional<std::uint8_t> letterFromBox(std::string_view typed);

// A square of the puzzle's width x height that holds neither 0 nor a blank.
bool holdsLetter(const model::PuzzleRecord &record, int column, int row);

struct WordStart
{
    int cell;
    bool across;
};

struct WordStarts
{
    std::array<WordStart, MaxWordStarts> starts {};
    int count = 0;
    bool truncated = false; // the grid holds more starts than the list
};

// Every square that begins a run of two or more letters, across or down, in reading order
// (rows top to bottom, columns left to right, across before down in one square).
WordStarts findWordStarts(const model::PuzzleRecord &record);

// The letters of the run from a start, as they stand in the grid.
std::string collectLetters(const model::PuzzleRecord &record, WordStart start);

// The new word as stored by the setting "Case Sensitivity": 1 the letters with a..z raised,
// 2 A..Z lowered, anything else lowered with the first character raised; ASCII rules only.
std::string wordInCase(std::string_view letters, int caseSensitivity);

// What the clue window gave for a new word: its clue and the case chosen when it closed.
struct ClueAnswer
{
    std::string clue;
    int caseSensitivity;
};
using AskClue = std::function<ClueAnswer(std::string_view letters)>;

struct AddedWords
{
    int added = 0;
    // Limits met on the way (more than 200 starts or words); the words before them are added.
    std::vector<Failure> limits;
};

// Finds the runs of the edited grid that are no placed word, asks for each one's clue in scan
// order, and adds them after the placed words, before the left-out ones, in clue order.
// Nothing changes when no new word is found.
AddedWords addNewWords(model::PuzzleRecord &record, const AskClue &askClue);

// Entries 1..wordCount put in clue order as after generation: numbered, across words first,
// acrossCount and downCount set.  Word, clue, start, letter count, direction and number move
// together; the placed flags stay where they are.
void putInClueOrder(model::PuzzleRecord &record);

} // namespace gw::generate
