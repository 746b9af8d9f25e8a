#pragma once

#include "layout/LayoutRecord.h"
#include "platform/PString.h"
#include "shapes/ShapeRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace gw::model {

constexpr int MaxWords = 200;
constexpr int WordCapacity = 30;
constexpr int ClueCapacity = 150;
constexpr int TitleCapacity = 35;
constexpr int CategoryCapacity = 20;
constexpr int BonusCapacity = 150;

constexpr unsigned char BlankCell = 32; // a square of the shape without a letter
constexpr unsigned char OutsideCell = 0; // a square that is not part of the shape

constexpr std::string_view CurrentVersion = "3.0b";

// One puzzle.  Word entries are numbered 1..200 in the windows and the messages; entry i
// lives at array index i - 1 of the seven parallel arrays, which always move together.
#pragma pack(push, 1)
struct PuzzleRecord
{
    PString<5> version;
    PString<CategoryCapacity> category;
    PString<TitleCapacity> title;
    std::int16_t width; // grid columns in use
    std::int16_t height; // grid rows in use
    std::uint8_t grid[shapes::GridCells]; // cell index i at grid[i - 1]; 0, blank or a letter
    std::int16_t wordCount; // 0..200; untrusted when read
    std::int16_t acrossCount;
    std::int16_t downCount;
    PString<WordCapacity> words[MaxWords];
    PString<ClueCapacity> clues[MaxWords];
    std::uint16_t startCell[MaxWords]; // cell index of the first letter
    std::uint16_t letterCount[MaxWords]; // squares taken: the word's characters but blanks
    std::uint16_t clueNumber[MaxWords];
    std::uint8_t direction[MaxWords]; // 1 = across, 0 = down
    std::uint8_t placed[MaxWords]; // 1 = the word stands in the saved grid
    std::uint8_t generated; // 1 once a grid was chosen and saved
    layout::LayoutRecord layout; // the page layout this puzzle prints with
    PString<BonusCapacity> bonusQuestion;
    std::uint8_t unused[30];

    // Counts and sizes clamped to the storage, for walking a record read from a file.
    int safeWordCount() const { return wordCount < 0 ? 0 : (wordCount > MaxWords ? MaxWords : wordCount); }
    int safeWidth() const { return width < 0 ? 0 : (width > shapes::GridSide ? shapes::GridSide : width); }
    int safeHeight() const
    {
        return height < 0 ? 0 : (height > shapes::GridSide ? shapes::GridSide : height);
    }
    // Grid byte at cell index 1..2500; indexes outside read as outside the shape.
    std::uint8_t cell(int index) const
    {
        return index >= 1 && index <= shapes::GridCells ? grid[index - 1] : OutsideCell;
    }
};
#pragma pack(pop)

static_assert(sizeof(PuzzleRecord) == 69623);
static_assert(offsetof(PuzzleRecord, version) == 0);
static_assert(offsetof(PuzzleRecord, category) == 6);
static_assert(offsetof(PuzzleRecord, title) == 27);
static_assert(offsetof(PuzzleRecord, width) == 63);
static_assert(offsetof(PuzzleRecord, height) == 65);
static_assert(offsetof(PuzzleRecord, grid) == 67);
static_assert(offsetof(PuzzleRecord, wordCount) == 2567);
static_assert(offsetof(PuzzleRecord, acrossCount) == 2569);
static_assert(offsetof(PuzzleRecord, downCount) == 2571);
static_assert(offsetof(PuzzleRecord, words) == 2573);
static_assert(offsetof(PuzzleRecord, clues) == 8773);
static_assert(offsetof(PuzzleRecord, startCell) == 38973);
static_assert(offsetof(PuzzleRecord, letterCount) == 39373);
static_assert(offsetof(PuzzleRecord, clueNumber) == 39773);
static_assert(offsetof(PuzzleRecord, direction) == 40173);
static_assert(offsetof(PuzzleRecord, placed) == 40373);
static_assert(offsetof(PuzzleRecord, generated) == 40573);
static_assert(offsetof(PuzzleRecord, layout) == 40574);
static_assert(offsetof(PuzzleRecord, bonusQuestion) == 69442);
static_assert(offsetof(PuzzleRecord, unused) == 69593);

// Number of squares a word takes: its characters other than blanks.
int letterCountOf(std::string_view word);

// Reset to new: empty texts and words, 15 x 15, not generated, and the given page layout.
void resetToNew(PuzzleRecord &record, const layout::LayoutRecord &pageLayout);

// Copy: the title renamed by the copy-name rule (capacity 35) and every placed flag cleared.
void makeCopy(PuzzleRecord &record);

// Stamp a chosen candidate for saving: version "3.0b", generated, placed[1..wordCount] from
// the candidate's flags (entries after it 0).
void stampForSaving(PuzzleRecord &record, const std::uint8_t (&placedFlags)[MaxWords]);

// Take the width and height of the shape the puzzle is generated on.
void takeShapeGeometry(PuzzleRecord &record, const shapes::ShapeRecord &shape);

// One row of the word list editor: a word and its clue as typed.
struct WordRow
{
    std::string_view word;
    std::string_view clue;
};

// Fill from the word list: every row whose trimmed word is not empty becomes the next entry
// (word and clue trimmed and cut to capacity); the entries after the last filled one become
// empty.  Rows beyond 200 are ignored.
void fillFromWordList(PuzzleRecord &record, std::span<const WordRow> rows);

} // namespace gw::model
