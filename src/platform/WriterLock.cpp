#include "platform/WriterLock.h"

#include "platform/PosixIo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace gw {

namespace {

// True when the path still names the open file: a writer that deletes records renames a new
// file over the old one, and a lock on the old one guards nothing.
bool stillNamedBy(int descriptor, const std::filesystem::path &path)
{
    struct stat open
    {
    }, named {};
    return ::fstat(descriptor, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev
        && open.st_ino == named.st_ino;
}

} // namespace

LockedDescriptor openLockedForWriting(
    const std::filesystem::path &path, bool create, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        const int descriptor = openRegularFile(path, O_RDWR | (create ? O_CREAT : 0));
        if (descriptor < 0)
            return {};
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamedBy(descriptor, path))
                return { descriptor, LockOutcome::Locked };
            ::close(descriptor);
            continue;
        }
        const int why = errno;
        ::close(descriptor);
        if (why != EWOULDBLOCK && why != EINTR)
            return {};
        if (std::chrono::steady_clock::now() >= deadline)
            return { -1, LockOutcome::Busy };
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

} // namespace gw
