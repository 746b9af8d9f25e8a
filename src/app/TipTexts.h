#pragma once

#include <array>
#include <string_view>

namespace gw::app {

constexpr int TipCount = 32;
constexpr std::size_t TipCapacity = 180; // characters of the longest tip

// The texts of the tip of the day window, in the order "Next Tip" walks them.
const std::array<std::string_view, TipCount> &tipTexts();

} // namespace gw::app
