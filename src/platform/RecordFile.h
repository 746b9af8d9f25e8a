#pragma once

#include "platform/WriterLock.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw {

// A file of fixed-size records with no header: record n starts at byte n x recordSize.
// Opened, used and closed within one operation; a trailing partial record is ignored.
// Every file opened for writing holds the writers' lock (WriterLock.h) until it is closed, so
// several programs writing one file at once take turns and lose nothing.
class RecordFile
{
public:
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;
    RecordFile(RecordFile &&other) noexcept;
    RecordFile &operator=(RecordFile &&other) noexcept;
    ~RecordFile();

    static std::optional<RecordFile> openForReading(
        const std::filesystem::path &path, std::size_t recordSize);
    // The openers for writing tell through `outcome`, when given, whether the file could not be
    // opened or another writer held it for too long.
    // Opens for writing, creating the file empty when it is missing.
    static std::optional<RecordFile> openOrCreate(
        const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome = nullptr);
    // Opens an existing file for writing, never creating it.
    static std::optional<RecordFile> openExisting(
        const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome = nullptr);
    // Empties the file, creating it when missing.
    static std::optional<RecordFile> create(
        const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome = nullptr);

    std::int64_t recordCount() const;
    bool read(std::int64_t record, void *buffer) const;
    // Writes one whole record; a failed append is cut back so no partial record is left.
    bool write(std::int64_t record, const void *buffer);
    bool append(const void *buffer) { return write(recordCount(), buffer); }
    // Cuts the file back to its first `records` records.
    bool truncate(std::int64_t records);
    // Moves every later record down one place: the file without the record is written beside
    // the old one and renamed over it, so a failure leaves the old file whole.
    bool remove(std::int64_t record);

private:
    RecordFile(int descriptor, std::size_t recordSize, std::filesystem::path path);
    static std::optional<RecordFile> openLocked(
        const std::filesystem::path &path, std::size_t recordSize, bool create, LockOutcome *outcome);
    std::int64_t byteSize() const;

    int m_descriptor = -1;
    std::size_t m_recordSize = 0;
    std::filesystem::path m_path;
};

// Every whole record of a file, or nothing when it cannot be opened.
template <typename Record>
std::optional<std::vector<Record>> readAllRecords(const std::filesystem::path &path)
{
    auto file = RecordFile::openForReading(path, sizeof(Record));
    if (!file)
        return std::nullopt;
    std::vector<Record> records(static_cast<std::size_t>(file->recordCount()));
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!file->read(static_cast<std::int64_t>(i), &records[i])) {
            records.resize(i);
            break;
        }
    }
    return records;
}

// Reads a whole small file; nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path &path, std::size_t limit);
// Writes a whole file in one go, replacing an existing one only once the new one is complete: a
// failed write leaves the old file as it was and no partial file.
bool writeFileBytes(const std::filesystem::path &path, std::string_view bytes);

} // namespace gw
