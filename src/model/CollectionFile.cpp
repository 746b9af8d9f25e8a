#include "model/CollectionFile.h"

#include "model/CollectionFailures.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"

#include <cstdint>
#include <memory>
#include <system_error>

namespace gw::model {

namespace {

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);

// A failed append is cut back by the record file; a failed overwrite puts the previous record
// back, so that half a new record never stands in place of an old one.  A puzzle is overwritten
// only while its record still holds the puzzle as it was loaded.
Result<int> saveInto(
    RecordFile &file, const PuzzleRecord &record, bool isNew, int recordNumber, RecordFingerprint loaded)
{
    if (isNew) {
        const std::int64_t target = file.recordCount();
        if (target >= MaxCollectionPuzzles)
            return collectionFull();
        if (!file.append(&record))
            return unableToSavePuzzle();
        return static_cast<int>(target);
    }
    const auto previous = std::make_unique<PuzzleRecord>();
    if (!file.read(recordNumber, previous.get()) || fingerprintOf(*previous) != loaded)
        return puzzleChangedElsewhere("saved");
    if (file.write(recordNumber, &record))
        return recordNumber;
    file.write(recordNumber, previous.get());
    return unableToSavePuzzle();
}

Failure openFailure(
    const std::filesystem::path &collection, LockOutcome outcome, const Failure &operationFailure)
{
    return outcome == LockOutcome::Busy ? fileBusy(collection) : operationFailure;
}

} // namespace

Status checkCollectionName(const std::filesystem::path &chosen)
{
    const std::string name = chosen.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos
        && equalsIgnoringCase(std::string_view(name).substr(dot + 1), CollectionExtension))
        return ok();
    return notACollectionFile();
}

std::string collectionDisplayName(const std::filesystem::path &collection)
{
    return collection.stem().string();
}

Status createCollection(const std::filesystem::path &collection)
{
    LockOutcome outcome;
    if (!RecordFile::create(collection, RecordSize, &outcome))
        return openFailure(collection, outcome, unableToCreateCollection());
    return ok();
}

Result<PuzzleRecord> readPuzzle(
    const std::filesystem::path &collection, int recordNumber, const Failure &whenUnreadable)
{
    const auto file = RecordFile::openForReading(collection, RecordSize);
    const auto record = std::make_unique<PuzzleRecord>();
    if (!file || !file->read(recordNumber, record.get()))
        return whenUnreadable;
    return *record;
}

Result<int> savePuzzle(const std::filesystem::path &collection, const PuzzleRecord &record, bool isNew,
    int recordNumber, RecordFingerprint loaded)
{
    std::error_code error;
    // When it cannot be told, the file counts as existing: a file this save did not create is
    // never removed.
    const bool existed = std::filesystem::exists(collection, error) || error;
    LockOutcome outcome;
    auto file = RecordFile::openOrCreate(collection, RecordSize, &outcome);
    if (!file)
        return openFailure(collection, outcome, unableToSavePuzzle());
    Result<int> saved = saveInto(*file, record, isNew, recordNumber, loaded);
    if (!saved && !existed)
        std::filesystem::remove(collection, error);
    return saved;
}

Status deletePuzzle(const std::filesystem::path &collection, int recordNumber, RecordFingerprint loaded)
{
    LockOutcome outcome;
    auto file = RecordFile::openExisting(collection, RecordSize, &outcome);
    if (!file)
        return openFailure(collection, outcome, unableToDeletePuzzle());
    const auto stored = std::make_unique<PuzzleRecord>();
    if (!file->read(recordNumber, stored.get()) || fingerprintOf(*stored) != loaded)
        return puzzleChangedElsewhere("deleted");
    if (!file->remove(recordNumber))
        return unableToDeletePuzzle();
    return ok();
}

} // namespace gw::model
