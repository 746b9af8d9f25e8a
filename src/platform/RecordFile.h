#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gw {

// A file of fixed-size records with no header: record n starts at byte n x recordSize.
// Opened, used and closed within one operation; a trailing partial record is ignored.
class RecordFile
{
public:
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;
    RecordFile(RecordFile &&other) noexcept;
    RecordFile &operator=(RecordFile &&other) noexcept;
    ~RecordFile();

    static std::optional<RecordFile> openForReading(const std::filesystem::path &path, std::size_t recordSize);
    // Opens for reading and writing; when that fails, creates the file empty.
    static std::optional<RecordFile> openOrCreate(const std::filesystem::path &path, std::size_t recordSize);
    // Opens an existing file for reading and writing, never creating it.
    static std::optional<RecordFile> openExisting(const std::filesystem::path &path, std::size_t recordSize);
    // Creates the file empty, replacing an existing one.
    static std::optional<RecordFile> create(const std::filesystem::path &path, std::size_t recordSize);

    std::int64_t recordCount() const;
    bool read(std::int64_t record, void *buffer) const;
    // Writes one whole record; a failed append is cut back so no partial record is left.
    bool write(std::int64_t record, const void *buffer);
    bool append(const void *buffer) { return write(recordCount(), buffer); }
    // Moves every later record down one place and cuts the file one record shorter.
    bool remove(std::int64_t record);

private:
    RecordFile(int descriptor, std::size_t recordSize);
    std::int64_t byteSize() const;

    int m_descriptor = -1;
    std::size_t m_recordSize = 0;
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
// Writes a new file in one go, replacing an existing one; a failed write leaves no partial file.
bool writeFileBytes(const std::filesystem::path &path, const std::string &bytes);

} // namespace gw
