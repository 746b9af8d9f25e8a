#include "platform/RecordFile.h"

#include "platform/PosixIo.h"
#include "platform/ReplacementFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace gw {

RecordFile::RecordFile(int descriptor, std::size_t recordSize, std::filesystem::path path)
    : m_descriptor(descriptor)
    , m_recordSize(recordSize)
    , m_path(std::move(path))
{ }

RecordFile::RecordFile(RecordFile &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
    , m_recordSize(other.m_recordSize)
    , m_path(std::move(other.m_path))
{ }

RecordFile &RecordFile::operator=(RecordFile &&other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_recordSize = other.m_recordSize;
        m_path = std::move(other.m_path);
    }
    return *this;
}

RecordFile::~RecordFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::optional<RecordFile> RecordFile::openForReading(
    const std::filesystem::path &path, std::size_t recordSize)
{
    const int descriptor = openRegularFile(path, O_RDONLY);
    if (descriptor < 0)
        return std::nullopt;
    return RecordFile(descriptor, recordSize, path);
}

std::optional<RecordFile> RecordFile::openLocked(
    const std::filesystem::path &path, std::size_t recordSize, bool create, LockOutcome *outcome)
{
    const LockedDescriptor locked = openLockedForWriting(path, create);
    if (outcome)
        *outcome = locked.outcome;
    if (locked.outcome != LockOutcome::Locked)
        return std::nullopt;
    return RecordFile(locked.descriptor, recordSize, path);
}

std::optional<RecordFile> RecordFile::openExisting(
    const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome)
{
    return openLocked(path, recordSize, false, outcome);
}

std::optional<RecordFile> RecordFile::openOrCreate(
    const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome)
{
    return openLocked(path, recordSize, true, outcome);
}

std::optional<RecordFile> RecordFile::create(
    const std::filesystem::path &path, std::size_t recordSize, LockOutcome *outcome)
{
    auto file = openLocked(path, recordSize, true, outcome);
    // Emptied only under the lock, never behind another writer's back.
    if (file && ::ftruncate(file->m_descriptor, 0) != 0) {
        if (outcome)
            *outcome = LockOutcome::CannotOpen;
        return std::nullopt;
    }
    return file;
}

std::int64_t RecordFile::byteSize() const
{
    struct stat info
    {
    };
    if (::fstat(m_descriptor, &info) != 0)
        return 0;
    return info.st_size;
}

std::int64_t RecordFile::recordCount() const
{
    return byteSize() / static_cast<std::int64_t>(m_recordSize);
}

bool RecordFile::read(std::int64_t record, void *buffer) const
{
    if (record < 0 || record >= recordCount())
        return false;
    return readAll(m_descriptor, static_cast<char *>(buffer), m_recordSize,
        static_cast<off_t>(record * static_cast<std::int64_t>(m_recordSize)));
}

bool RecordFile::write(std::int64_t record, const void *buffer)
{
    const std::int64_t count = recordCount();
    if (record < 0 || record > count)
        return false;
    const std::int64_t sizeBefore = byteSize();
    const auto offset = static_cast<off_t>(record * static_cast<std::int64_t>(m_recordSize));
    if (writeAll(m_descriptor, static_cast<const char *>(buffer), m_recordSize, offset))
        return true;
    // A full disk must not leave half a record behind an append.
    if (record == count && ::ftruncate(m_descriptor, static_cast<off_t>(sizeBefore)) != 0) {
        // Nothing more can be done; the partial record is ignored by every reader.
    }
    return false;
}

bool RecordFile::truncate(std::int64_t records)
{
    return records >= 0 && records <= recordCount()
        && ::ftruncate(m_descriptor, static_cast<off_t>(records * static_cast<std::int64_t>(m_recordSize)))
        == 0;
}

bool RecordFile::remove(std::int64_t record)
{
    const std::int64_t count = recordCount();
    if (record < 0 || record >= count)
        return false;
    ReplacementFile replacement(m_path);
    // Whole records in chunks of about a megabyte, the removed one skipped.
    const std::int64_t perChunk
        = std::max<std::int64_t>(1, (1 << 20) / static_cast<std::int64_t>(m_recordSize));
    std::string chunk;
    for (std::int64_t first = 0; first < count; first += perChunk) {
        const std::int64_t last = std::min(count, first + perChunk);
        chunk.resize(static_cast<std::size_t>(last - first) * m_recordSize);
        if (!readAll(m_descriptor, chunk.data(), chunk.size(),
                static_cast<off_t>(first * static_cast<std::int64_t>(m_recordSize))))
            return false;
        if (record >= first && record < last)
            chunk.erase(static_cast<std::size_t>(record - first) * m_recordSize, m_recordSize);
        if (!replacement.append(chunk))
            return false;
    }
    if (!replacement.commit())
        return false;
    // The new file came locked: writers waiting on the old one find it renamed away and turn
    // to the new one, which this writer holds until it closes.
    ::close(m_descriptor);
    m_descriptor = replacement.releaseDescriptor();
    return true;
}

std::optional<std::string> readFileBytes(const std::filesystem::path &path, std::size_t limit)
{
    const int descriptor = openRegularFile(path, O_RDONLY);
    if (descriptor < 0)
        return std::nullopt;
    std::string bytes;
    char chunk[65536];
    while (bytes.size() < limit) {
        const ssize_t got = ::read(descriptor, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(descriptor);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(descriptor);
    return bytes;
}

bool writeFileBytes(const std::filesystem::path &path, std::string_view bytes)
{
    ReplacementFile file(path);
    return file.append(bytes) && file.commit();
}

} // namespace gw
