#include "layout/ObjectEntries.h"

#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace gw::layout {

namespace {

std::int32_t heldToInt32(double value)
{
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

// Half to even without depending on the floating-point rounding mode.
double roundedHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

std::optional<double> readDecimal(std::string_view box)
{
    const std::string_view text = trimmed(box);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> readWholeNumber(std::string_view box)
{
    const std::string_view text = trimmed(box);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string unitsText(double pixels, double pixelsPerUnit)
{
    // Big enough for any double in %.3f: up to 309 digits before the point.
    char text[400];
    std::snprintf(text, sizeof text, "%.3f", pixelsPerUnit > 0 ? pixels / pixelsPerUnit : 0.0);
    return text;
}

std::int32_t unitsToPixels(double units, double pixelsPerUnit)
{
    return heldToInt32(roundedHalfToEven(units * pixelsPerUnit));
}

PixelRect rectangleFromUnits(double left, double top, double width, double height, double pixelsPerUnit)
{
    PixelRect rect {};
    rect.left = unitsToPixels(left, pixelsPerUnit);
    rect.top = unitsToPixels(top, pixelsPerUnit);
    rect.right = heldToInt32(double(rect.left) + unitsToPixels(width, pixelsPerUnit));
    rect.bottom = heldToInt32(double(rect.top) + unitsToPixels(height, pixelsPerUnit));
    return rect;
}

std::string splitColumnsText(std::string_view box)
{
    const std::optional<int> value = readWholeNumber(box);
    if (!value || *value == 0)
        return "2";
    return std::to_string(2 * (*value / 2));
}

} // namespace gw::layout
