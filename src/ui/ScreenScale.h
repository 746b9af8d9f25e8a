#pragma once

#include <optional>

namespace gw::app {

// The four screen sizes every window can be scaled to; the windows are designed for 640 x 480.
struct ScreenSize
{
    int width;
    int height;
    double factor;
};

inline constexpr ScreenSize ScreenSizes[] = {
    { 640, 480, 1.0 },
    { 800, 600, 1.25 },
    { 1024, 768, 1.6 },
    { 1280, 1024, 2.0 },
};

// The screen size a stored "Window Size" settles to on a screen of the given pixels: the
// stored one when the screen is large enough, else 640 x 480.
const ScreenSize &settleScreenSize(int windowSize, int screenWidth, int screenHeight);

// The whole-number percentage a window is scaled by: round(factor x 100).
int scalePercent(double factor);

// A design coordinate at the scale, rounded half to even as the windows place their controls.
int scaled(int design, double factor);

} // namespace gw::app
