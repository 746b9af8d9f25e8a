#include "platform/RecordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace gw {

namespace {

bool writeAll(int descriptor, const char *data, std::size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t written = ::pwrite(descriptor, data, size, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return true;
}

bool readAll(int descriptor, char *data, std::size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t got = ::pread(descriptor, data, size, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}

int openFile(const std::filesystem::path &path, int flags)
{
    int descriptor;
    do
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return -1;
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

} // namespace

RecordFile::RecordFile(int descriptor, std::size_t recordSize)
    : m_descriptor(descriptor)
    , m_recordSize(recordSize)
{
}

RecordFile::RecordFile(RecordFile &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
    , m_recordSize(other.m_recordSize)
{
}

RecordFile &RecordFile::operator=(RecordFile &&other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_recordSize = other.m_recordSize;
    }
    return *this;
}

RecordFile::~RecordFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::optional<RecordFile> RecordFile::openForReading(const std::filesystem::path &path, std::size_t recordSize)
{
    const int descriptor = openFile(path, O_RDONLY);
    if (descriptor < 0)
        return std::nullopt;
    return RecordFile(descriptor, recordSize);
}

std::optional<RecordFile> RecordFile::openExisting(const std::filesystem::path &path, std::size_t recordSize)
{
    const int descriptor = openFile(path, O_RDWR);
    if (descriptor < 0)
        return std::nullopt;
    return RecordFile(descriptor, recordSize);
}

std::optional<RecordFile> RecordFile::openOrCreate(const std::filesystem::path &path, std::size_t recordSize)
{
    if (auto file = openExisting(path, recordSize))
        return file;
    const int descriptor = openFile(path, O_RDWR | O_CREAT);
    if (descriptor < 0)
        return std::nullopt;
    return RecordFile(descriptor, recordSize);
}

std::optional<RecordFile> RecordFile::create(const std::filesystem::path &path, std::size_t recordSize)
{
    const int descriptor = openFile(path, O_RDWR | O_CREAT | O_TRUNC);
    if (descriptor < 0)
        return std::nullopt;
    return RecordFile(descriptor, recordSize);
}

std::int64_t RecordFile::byteSize() const
{
    struct stat info {};
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

bool RecordFile::remove(std::int64_t record)
{
    const std::int64_t count = recordCount();
    if (record < 0 || record >= count)
        return false;
    std::vector<char> buffer(m_recordSize);
    for (std::int64_t n = record + 1; n < count; ++n) {
        if (!read(n, buffer.data()) || !write(n - 1, buffer.data()))
            return false;
    }
    return ::ftruncate(m_descriptor, static_cast<off_t>((count - 1) * static_cast<std::int64_t>(m_recordSize))) == 0;
}

std::optional<std::string> readFileBytes(const std::filesystem::path &path, std::size_t limit)
{
    const int descriptor = openFile(path, O_RDONLY);
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

bool writeFileBytes(const std::filesystem::path &path, const std::string &bytes)
{
    const int descriptor = openFile(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, bytes.data(), bytes.size(), 0);
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return false;
    }
    return true;
}

} // namespace gw
