#pragma once

#include "platform/Failure.h"
#include "report/RecordedPage.h"

#include <filesystem>
#include <span>
#include <string_view>

namespace gw::report {

// The pages as a PDF file, each on its own sheet, text kept as text.  The file appears whole
// or not at all; the title (Windows-1252) goes into the document information.
Status writePdf(
    std::span<const RecordedPage> pages, const std::filesystem::path &file, std::string_view title);

} // namespace gw::report
