#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace gw {

// A new version of a file, written beside it and renamed over it only once it is whole, so that
// a failure at any point (a full disk, a failed rename) leaves the old file exactly as it was.
// A link is followed: the file it points to is replaced, the link is kept.
class ReplacementFile
{
public:
    explicit ReplacementFile(const std::filesystem::path &target);
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;
    // Removes the new file unless it was committed.
    ~ReplacementFile();

    bool isOpen() const { return m_descriptor >= 0; }
    // Appends bytes to the new file; false, and the replacement spoilt, when not all were written.
    bool append(std::string_view bytes);
    // Flushes the new file to disk, gives it the old file's permissions and renames it over the
    // target.  The new file is locked for writing before anyone can open it by name.
    bool commit();
    // After a commit: the new file's descriptor, still open and locked, now the caller's.
    int releaseDescriptor();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
    std::size_t m_size = 0;
    bool m_spoilt = false;
    bool m_committed = false;
};

} // namespace gw
