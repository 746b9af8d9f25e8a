#pragma once

#include <filesystem>

namespace gw {

// The directory of the running executable, where the bundled libraries, lexicons and help
// live.  Falls back to the current directory when it cannot be found.
std::filesystem::path programDirectory();

} // namespace gw
