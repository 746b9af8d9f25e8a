#pragma once

#include <filesystem>
#include <system_error>

namespace gw {

// True when file names a regular file (a link to one included); false on any error.
inline bool isFile(const std::filesystem::path &file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

} // namespace gw
