#include "platform/ProgramPaths.h"

#include <system_error>

namespace gw {

std::filesystem::path programDirectory()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !executable.has_parent_path())
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

} // namespace gw
