#pragma once

#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "platform/RecordFingerprint.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace gw::model {

// A collection file has no header and no trailer: record n (from 0) lies at byte n x 69623,
// and a trailing partial record is ignored.  The lists tag puzzles with record numbers and
// category indexes of 16 bits each, so a collection holds record numbers 0..65535 only.
constexpr int MaxCollectionPuzzles = 65536;

constexpr std::string_view CollectionExtension = "ZP3";

// A chosen file is accepted by its name alone: the extension ZP3 without regard to case.
Status checkCollectionName(const std::filesystem::path &chosen);

// The collection's name in the main window caption: the file name without directory and
// without its extension.
std::string collectionDisplayName(const std::filesystem::path &collection);

// An empty collection, replacing an existing file of that name.
Status createCollection(const std::filesystem::path &collection);

// One whole record.  whenUnreadable is the failure of the command that asked, which differs
// between editing and printing.
Result<PuzzleRecord> readPuzzle(
    const std::filesystem::path &collection, int recordNumber, const Failure &whenUnreadable);

// Appends a new puzzle, or overwrites record recordNumber of a modified one, creating the
// collection when it is missing; gives the record number written.  A modified puzzle is written
// only while its record still holds the puzzle read as `loaded` (another program may have
// changed the collection meanwhile).  A failed save leaves the file as it was, and a collection
// it had to create is removed again.
Result<int> savePuzzle(const std::filesystem::path &collection, const PuzzleRecord &record, bool isNew,
    int recordNumber, RecordFingerprint loaded);

// Deletes record recordNumber, which must still hold the puzzle read as `loaded`: every later
// record moves down one place.  The file is left unchanged when it cannot be opened for
// writing, holds no such record, or the delete fails part way.
Status deletePuzzle(const std::filesystem::path &collection, int recordNumber, RecordFingerprint loaded);

} // namespace gw::model
