#include "platform/ReplacementFile.h"

#include "platform/PosixIo.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace gw {

namespace {

std::filesystem::path followedLink(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target;
}

} // namespace

ReplacementFile::ReplacementFile(const std::filesystem::path &target)
    : m_target(followedLink(target))
{
    // Beside the target, so that the rename stays within one file system.
    std::string pattern
        = (m_target.parent_path() / ("." + m_target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_descriptor < 0)
        return;
    m_temporary = name.data();
    // Nobody else knows the name yet, so the lock is taken at once.
    ::flock(m_descriptor, LOCK_EX | LOCK_NB);
}

ReplacementFile::~ReplacementFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (!m_committed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

bool ReplacementFile::append(std::string_view bytes)
{
    if (m_descriptor < 0 || m_spoilt)
        return false;
    if (!writeAll(m_descriptor, bytes.data(), bytes.size(), static_cast<off_t>(m_size))) {
        m_spoilt = true;
        return false;
    }
    m_size += bytes.size();
    return true;
}

bool ReplacementFile::commit()
{
    if (m_descriptor < 0 || m_spoilt || m_committed)
        return false;
    struct stat old
    {
    };
    const mode_t mode = ::stat(m_target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(m_descriptor, mode) != 0 || ::fsync(m_descriptor) != 0)
        return false;
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    m_committed = true;
    return true;
}

int ReplacementFile::releaseDescriptor()
{
    return m_committed ? std::exchange(m_descriptor, -1) : -1;
}

} // namespace gw
