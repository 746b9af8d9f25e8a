#pragma once

#include <chrono>
#include <filesystem>

namespace gw {

// Every writer of a record file takes an exclusive advisory lock on the file itself for its
// whole read-modify-write.  The operating system drops the lock with the last descriptor, so a
// writer that crashed never leaves a stale lock behind.
enum class LockOutcome { Locked, CannotOpen, Busy };

struct LockedDescriptor
{
    int descriptor = -1;
    LockOutcome outcome = LockOutcome::CannotOpen;
};

// How long a writer waits for another before it gives up and says so.
inline constexpr std::chrono::milliseconds WriterWait { 10000 };

// Opens the file for reading and writing (creating it when `create` is set) and locks it.  A
// file replaced by a rename while this writer waited is opened again, so the lock taken is
// always on the file the path names now.
LockedDescriptor openLockedForWriting(
    const std::filesystem::path &path, bool create, std::chrono::milliseconds wait = WriterWait);

} // namespace gw
