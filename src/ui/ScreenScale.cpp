#include "ui/ScreenScale.h"

#include <cmath>

namespace gw::app {

const ScreenSize &settleScreenSize(int windowSize, int screenWidth, int screenHeight)
{
    for (const ScreenSize &size : ScreenSizes) {
        if (size.width == windowSize && screenWidth >= size.width && screenHeight >= size.height)
            return size;
    }
    return ScreenSizes[0];
}

int scalePercent(double factor)
{
    return static_cast<int>(std::lround(factor * 100));
}

int scaled(int design, double factor)
{
    return static_cast<int>(std::nearbyint(design * scalePercent(factor) / 100.0));
}

} // namespace gw::app
