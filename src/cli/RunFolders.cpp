#include "cli/RunFolders.h"

#include <system_error>

namespace gw::cli {

const ProgramFolders &runFolders()
{
    static const ProgramFolders folders = runningProgramFolders();
    return folders;
}

model::Settings runSettings()
{
    std::error_code error;
    return model::loadSettings(
        runFolders().settingsFile(), std::filesystem::current_path(error), runFolders().user);
}

std::filesystem::path libraryFile(std::string_view name)
{
    return libraryToRead(runFolders(), name);
}

} // namespace gw::cli
