#pragma once

#include "model/Settings.h"

#include <QString>
#include <array>
#include <cstddef>
#include <string>

namespace gw::app {

// The settings "Last File 1".."Last File 5": full paths, most recent first, empty when unused.
using RecentFiles = std::array<std::string, model::RecentFileCount>;

// Another collection becomes current: the new path leaves the list if it is in it (the later
// entries move up), then the previous path goes in front and the fifth entry drops out.
void updateRecentFiles(RecentFiles &entries, const std::string &previous, const std::string &next);

// The menu text of entry index (from 0): "&1", three blanks and the path, whose own
// ampersands are doubled so that they show instead of marking a mnemonic.
QString recentFileItemText(std::size_t index, const std::string &path);

} // namespace gw::app
