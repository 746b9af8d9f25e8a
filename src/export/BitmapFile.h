#pragma once

#include "platform/Failure.h"

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace gw::exports {

// The "Pixel Format" setting: 1 sixteen million colours (24 bits per pixel), 2 two hundred
// fifty-six (8 bits per pixel, with a palette).  Any other value reads as 24 bits.
int bitsPerPixelOf(int pixelFormat);

// The page image in the colour depth of a saved picture: 24 bits, or at most 256 colours
// with a palette (for 8).
QImage inColourDepth(const QImage &image, int bitsPerPixel);

// A Windows bitmap file of the image at 24 or 8 bits per pixel: file header, information
// header, the 256-entry palette for 8 bits, then the rows bottom-up, each padded to 4 bytes.
// Empty for a null image.
std::vector<std::uint8_t> bmpBytes(const QImage &image, int bitsPerPixel);

// Writes the bitmap file whole or not at all.
Status writeBmp(const QImage &image, const std::filesystem::path &file, int bitsPerPixel);

} // namespace gw::exports
