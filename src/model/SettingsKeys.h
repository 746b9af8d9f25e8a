#pragma once

#include "model/SettingsKey.h"

#include <vector>

namespace gw::model {

// Every key of the settings file, in the order in which it is read and written.
const std::vector<SettingsKey> &settingsKeys();

} // namespace gw::model
