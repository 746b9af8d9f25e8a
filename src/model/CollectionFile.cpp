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
// back, so that half a new record never stands in place of an old one.
bool writeRecord(RecordFile &file, std::int64_t recordNumber, const PuzzleRecord &record)
{
    if (recordNumber == file.recordCount())
        return file.append(&record);
    const auto previous = std::make_unique<PuzzleRecord>();
    if (!file.read(recordNumber, previous.get()))
        return false;
    if (file.write(recordNumber, &record))
        return true;
    file.write(recordNumber, previous.get());
    return false;
}

Result<int> saveInto(RecordFile &file, const PuzzleRecord &record, bool isNew, int recordNumber)
{
    const std::int64_t target = isNew ? file.recordCount() : recordNumber;
    if (target >= MaxCollectionPuzzles)
        return collectionFull();
    // The record file refuses a record number past the end, so a modified puzzle whose record
    // has gone (the file changed behind the program) never leaves a gap of made-up records.
    if (!writeRecord(file, target, record))
        return unableToSavePuzzle();
    return static_cast<int>(target);
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
    if (!RecordFile::create(collection, RecordSize))
        return unableToCreateCollection();
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

Result<int> savePuzzle(
    const std::filesystem::path &collection, const PuzzleRecord &record, bool isNew, int recordNumber)
{
    std::error_code error;
    // When it cannot be told, the file counts as existing: a file this save did not create is
    // never removed.
    const bool existed = std::filesystem::exists(collection, error) || error;
    auto file = RecordFile::openOrCreate(collection, RecordSize);
    if (!file)
        return unableToSavePuzzle();
    Result<int> saved = saveInto(*file, record, isNew, recordNumber);
    file.reset();
    if (!saved && !existed)
        std::filesystem::remove(collection, error);
    return saved;
}

Status deletePuzzle(const std::filesystem::path &collection, int recordNumber)
{
    auto file = RecordFile::openExisting(collection, RecordSize);
    if (!file || !file->remove(recordNumber))
        return unableToDeletePuzzle();
    return ok();
}

} // namespace gw::model
