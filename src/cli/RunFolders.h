#pragma once

#include "model/Settings.h"
#include "platform/ProgramFolders.h"

#include <filesystem>
#include <string_view>

// The command line works on the same folders as the program started from the same place.
namespace gw::cli {

const ProgramFolders &runFolders();
// The program's settings as it would start with them: defaults where the file is missing.
model::Settings runSettings();
// The shape or layout library the program would read.
std::filesystem::path libraryFile(std::string_view name);

} // namespace gw::cli
