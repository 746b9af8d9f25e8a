#pragma once

#include "platform/Failure.h"
#include "platform/RecordFile.h"
#include "platform/RecordFingerprint.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// A library of fixed-size records (shapes, page layouts) kept beside the program, and the
// single-record export files users exchange.  Each library names its own failures.
struct LibraryFailures
{
    Failure cannotRead;
    Failure cannotAdd;
    Failure cannotDelete;
    // The record to replace or delete is no longer the one the window read.
    Failure changedElsewhere;
};

template <typename Record> Result<Record> readLibraryRecord(
    const std::filesystem::path &library, int record, const LibraryFailures &failures)
{
    const auto file = RecordFile::openForReading(library, sizeof(Record));
    Record read;
    if (!file || !file->read(record, &read))
        return failures.cannotRead;
    return read;
}

// The failure of a writer that could not open the library: busy, or the operation's own.
inline Failure libraryOpenFailure(
    const std::filesystem::path &library, LockOutcome outcome, const Failure &operationFailure)
{
    return outcome == LockOutcome::Busy ? fileBusy(library) : operationFailure;
}

// True when record `number` of the open library still holds what was read as `expected`.
template <typename Record> bool holdsRecord(const RecordFile &file, int number, RecordFingerprint expected)
{
    Record stored;
    return file.read(number, &stored) && fingerprintOf(stored) == expected;
}

// Appends, creating the library when it is missing; gives the new record number.
template <typename Record> Result<int> addLibraryRecord(
    const std::filesystem::path &library, const Record &record, const LibraryFailures &failures)
{
    LockOutcome outcome;
    auto file = RecordFile::openOrCreate(library, sizeof(Record), &outcome);
    if (!file)
        return libraryOpenFailure(library, outcome, failures.cannotAdd);
    const std::int64_t count = file->recordCount();
    if (count >= std::numeric_limits<int>::max() || !file->append(&record))
        return failures.cannotAdd;
    return static_cast<int>(count);
}

// Overwrites record `number`, which must still be the record read as `expected`.  A failed
// write puts the old record back.
template <typename Record> Status replaceLibraryRecord(const std::filesystem::path &library, int number,
    const Record &record, RecordFingerprint expected, const LibraryFailures &failures)
{
    LockOutcome outcome;
    auto file = RecordFile::openExisting(library, sizeof(Record), &outcome);
    if (!file)
        return libraryOpenFailure(library, outcome, failures.cannotAdd);
    Record old;
    if (!file->read(number, &old) || fingerprintOf(old) != expected)
        return failures.changedElsewhere;
    if (file->write(number, &record))
        return ok();
    file->write(number, &old);
    return failures.cannotAdd;
}

// A designer's Save: over record `replacing`, which must still be the record read as
// `expected`, when it modifies one; appended otherwise.
template <typename Record> Status saveLibraryRecord(const std::filesystem::path &library,
    const Record &record, std::optional<int> replacing, RecordFingerprint expected,
    const LibraryFailures &failures)
{
    if (replacing)
        return replaceLibraryRecord(library, *replacing, record, expected, failures);
    if (const Result<int> added = addLibraryRecord(library, record, failures); !added)
        return added.error();
    return ok();
}

// Deletes record `number`, which must still be the record read as `expected`.
template <typename Record> Status deleteLibraryRecord(const std::filesystem::path &library, int number,
    RecordFingerprint expected, const LibraryFailures &failures)
{
    LockOutcome outcome;
    auto file = RecordFile::openExisting(library, sizeof(Record), &outcome);
    if (!file)
        return libraryOpenFailure(library, outcome, failures.cannotDelete);
    if (!holdsRecord<Record>(*file, number, expected))
        return failures.changedElsewhere;
    if (!file->remove(number))
        return failures.cannotDelete;
    return ok();
}

// An export file: a three-character tag, a three-character format version, one record.
struct ExportFormat
{
    std::string_view tag;
    std::string_view version;
    Failure cannotOpen; // reading
    Failure corrupt; // too short or the wrong tag
};

template <typename Record>
bool writeExportFile(const std::filesystem::path &file, const ExportFormat &format, const Record &record)
{
    std::string bytes;
    bytes.reserve(format.tag.size() + format.version.size() + sizeof record);
    bytes.append(format.tag).append(format.version);
    bytes.append(reinterpret_cast<const char *>(&record), sizeof record);
    return writeFileBytes(file, bytes);
}

// The version is not checked, and bytes after the record are ignored.
template <typename Record>
Result<Record> readExportFile(const std::filesystem::path &file, const ExportFormat &format)
{
    const std::size_t header = format.tag.size() + format.version.size();
    const auto bytes = readFileBytes(file, header + sizeof(Record));
    if (!bytes)
        return format.cannotOpen;
    if (bytes->size() < header + sizeof(Record) || !bytes->starts_with(format.tag))
        return format.corrupt;
    Record record;
    std::memcpy(&record, bytes->data() + header, sizeof record);
    return record;
}

} // namespace gw
