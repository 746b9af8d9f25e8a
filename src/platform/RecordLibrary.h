#pragma once

#include "platform/Failure.h"
#include "platform/RecordFile.h"

#include <cstring>
#include <filesystem>
#include <limits>
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
};

template <typename Record>
Result<Record> readLibraryRecord(
    const std::filesystem::path &library, int record, const LibraryFailures &failures)
{
    const auto file = RecordFile::openForReading(library, sizeof(Record));
    Record read;
    if (!file || !file->read(record, &read))
        return failures.cannotRead;
    return read;
}

// Appends, creating the library when it is missing; gives the new record number.
template <typename Record>
Result<int> addLibraryRecord(
    const std::filesystem::path &library, const Record &record, const LibraryFailures &failures)
{
    auto file = RecordFile::openOrCreate(library, sizeof(Record));
    if (!file)
        return failures.cannotAdd;
    const std::int64_t count = file->recordCount();
    if (count >= std::numeric_limits<int>::max() || !file->append(&record))
        return failures.cannotAdd;
    return static_cast<int>(count);
}

// Overwrites an existing record or appends just after the last; writing further would leave
// a gap of undefined records.
template <typename Record>
Status replaceLibraryRecord(
    const std::filesystem::path &library, int number, const Record &record, const LibraryFailures &failures)
{
    auto file = RecordFile::openOrCreate(library, sizeof(Record));
    if (!file || !file->write(number, &record))
        return failures.cannotAdd;
    return ok();
}

template <typename Record>
Status deleteLibraryRecord(const std::filesystem::path &library, int number, const LibraryFailures &failures)
{
    auto file = RecordFile::openExisting(library, sizeof(Record));
    if (!file || !file->remove(number))
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
