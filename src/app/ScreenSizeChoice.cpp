#include "app/ScreenSizeChoice.h"

#include <string>

namespace gw::app {

Result<std::optional<ScreenSize>> chooseScreenSize(
    const ScreenSize &item, const ScreenSize &current, int screenWidth, int screenHeight)
{
    if (item.width == current.width)
        return std::optional<ScreenSize>();
    const bool smallest = item.width == ScreenSizes[0].width;
    if (!smallest && (screenWidth < item.width || screenHeight < item.height))
        return Failure { "Error",
            "Your current screen resolution does not support " + std::to_string(item.width) + " x "
                + std::to_string(item.height) + " pixels." };
    return std::optional<ScreenSize>(item);
}

} // namespace gw::app
