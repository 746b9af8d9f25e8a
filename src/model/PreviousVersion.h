#pragma once

#include "layout/LayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "platform/PString.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace gw::model {

constexpr int OldClueCapacity = 100;

// One puzzle of the previous program version: a record of its user puzzle file ZPFUPUZZ.DAT
// and the payload of a 16-bit single-puzzle file.  Square grids only, clues of 100 characters,
// no category, layout or bonus question.
#pragma pack(push, 1)
struct OldPuzzleRecord
{
    PString<TitleCapacity> title;
    std::int16_t size; // columns and rows alike
    std::uint8_t notRead1[2];
    std::uint8_t grid[shapes::GridCells]; // indexed and valued as the puzzle record's grid
    std::int16_t wordCount; // untrusted
    std::int16_t acrossCount;
    std::int16_t downCount;
    PString<WordCapacity> words[MaxWords];
    PString<OldClueCapacity> clues[MaxWords];
    std::uint16_t startCell[MaxWords];
    std::uint16_t letterCount[MaxWords];
    std::uint16_t clueNumber[MaxWords];
    std::uint8_t direction[MaxWords];
    std::uint8_t notRead2;
};
#pragma pack(pop)

static_assert(sizeof(OldPuzzleRecord) == 30347);
static_assert(offsetof(OldPuzzleRecord, title) == 0);
static_assert(offsetof(OldPuzzleRecord, size) == 36);
static_assert(offsetof(OldPuzzleRecord, notRead1) == 38);
static_assert(offsetof(OldPuzzleRecord, grid) == 40);
static_assert(offsetof(OldPuzzleRecord, wordCount) == 2540);
static_assert(offsetof(OldPuzzleRecord, acrossCount) == 2542);
static_assert(offsetof(OldPuzzleRecord, downCount) == 2544);
static_assert(offsetof(OldPuzzleRecord, words) == 2546);
static_assert(offsetof(OldPuzzleRecord, clues) == 8746);
static_assert(offsetof(OldPuzzleRecord, startCell) == 28946);
static_assert(offsetof(OldPuzzleRecord, letterCount) == 29346);
static_assert(offsetof(OldPuzzleRecord, clueNumber) == 29746);
static_assert(offsetof(OldPuzzleRecord, direction) == 30146);
static_assert(offsetof(OldPuzzleRecord, notRead2) == 30346);

// The category every converted puzzle is listed under.
constexpr std::string_view ConvertedCategory = "Version 2.0 Puzzles";

// The previous version's files, looked for, read and deleted in the start directory, and the
// collection its puzzles are converted into, created there too: the program directory of an
// installed program is not the user's to write in.
constexpr std::string_view OldPuzzleFileName = "ZPFUPUZZ.DAT";
constexpr std::string_view OldShapeFileName = "ZPFULAY.DAT";
constexpr std::string_view ConvertedCollectionName = "OLDPUZZ.ZP3";

// Converts an old puzzle into the record `into`, overwriting every field the old one carries
// and the layout; the rest of `into` keeps what it held.  Counts and sizes are clamped to what
// the record can hold: 0..50 squares a side, 0..200 words, across and down counts within them.
void convertOldPuzzle(const OldPuzzleRecord &old, const layout::LayoutRecord &pageLayout, PuzzleRecord &into);

// A 16-bit single-puzzle file: "ZPK", a length byte and that many version characters, then one
// old record.  Every length is checked; a short file or a wrong mark is refused as corrupt.
Result<OldPuzzleRecord> readZpkFile(const std::filesystem::path &file);

// Every old record of oldFile converted and appended to the collection, in file order.  On a
// failure the collection is cut back to what it held before, so a second run does not add the
// same puzzles twice; on success oldFile is deleted.
Result<Notice> convertOldPuzzleFile(const std::filesystem::path &oldFile,
    const std::filesystem::path &collection, const layout::LayoutRecord &pageLayout);

// Every shape record of oldFile appended unchanged to the shape library; otherwise as above.
Result<Notice> convertOldShapeFile(
    const std::filesystem::path &oldFile, const std::filesystem::path &library);

inline Failure zpkCannotOpen()
{
    return { "Error", "Puzzle could not be imported." };
}

inline Failure zpkCorrupt()
{
    return { "Error", "Puzzle file is corrupt or incompatible.  Import aborted." };
}

} // namespace gw::model
