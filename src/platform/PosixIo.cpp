#include "platform/PosixIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

int openRegularFile(const std::filesystem::path &path, int flags)
{
    int descriptor;
    do
        descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return -1;
    struct stat info
    {
    };
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

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

} // namespace gw
