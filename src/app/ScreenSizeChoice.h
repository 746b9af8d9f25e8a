#pragma once

#include "platform/Failure.h"
#include "ui/ScreenScale.h"

#include <optional>

namespace gw::app {

// What choosing a Screen Size item does: nothing (an empty value) when it is the current
// size; the failure to show when the screen is smaller than the item's size; else the size
// to take.  640 x 480 is taken on any screen.
Result<std::optional<ScreenSize>> chooseScreenSize(
    const ScreenSize &item, const ScreenSize &current, int screenWidth, int screenHeight);

} // namespace gw::app
