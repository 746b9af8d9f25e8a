#include "spell/MemoryFile.h"

#include <cerrno>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace gw::spell {

std::optional<MemoryFile> MemoryFile::create(std::string_view bytes)
{
    const int descriptor = ::memfd_create("gridwright-lexicon", MFD_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    MemoryFile file(descriptor);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return std::nullopt;
        written += std::size_t(done);
    }
    return file;
}

MemoryFile::MemoryFile(MemoryFile &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{ }

MemoryFile &MemoryFile::operator=(MemoryFile &&other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

MemoryFile::~MemoryFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::string MemoryFile::path() const
{
    return "/proc/self/fd/" + std::to_string(m_descriptor);
}

} // namespace gw::spell
