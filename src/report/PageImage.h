#pragma once

#include "platform/Failure.h"
#include "report/RecordedPage.h"

#include <QImage>
#include <filesystem>

namespace gw::report {

// Resolutions a page image may be made at, in pixels per inch.
constexpr double SmallestImageDotsPerInch = 10;
constexpr double LargestImageDotsPerInch = 1200;

// The whole sheet on white at the given resolution (held to the range above), 24 bits per
// pixel; a null image when the picture would be too large to hold.
QImage renderPageImage(const RecordedPage &page, double dotsPerInch);

// Writes the image in the given Qt format ("PNG", "BMP", ...); the file appears whole or not
// at all.
Status saveImage(const QImage &image, const std::filesystem::path &file, const char *format);

} // namespace gw::report
