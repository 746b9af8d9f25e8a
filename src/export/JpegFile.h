#pragma once

#include "platform/Failure.h"

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace gw::exports {

// The JPEG quality factor: 1 (smallest file) to 100 (sharpest picture).
constexpr int LowestJpegFactor = 1;
constexpr int HighestJpegFactor = 100;

// The factor typed into the "JPEG Factor" dialog: the text trimmed of blanks, a whole decimal
// number from 1 to 100; anything else gives nothing.
std::optional<int> readJpegFactor(std::string_view text);

inline Failure invalidJpegFactor()
{
    return { "Error", "Invalid factor entered.  Factor must be between 1 and 100" };
}

// The image compressed by libjpeg at the quality factor (held to 1..100), as a JFIF file
// carrying the image's resolution.  Nothing for a null image or when libjpeg fails.
std::optional<std::vector<std::uint8_t>> jpegBytes(const QImage &image, int quality);

// Writes the JPEG file whole or not at all.
Status writeJpeg(const QImage &image, const std::filesystem::path &file, int quality);

} // namespace gw::exports
