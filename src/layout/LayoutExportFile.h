#pragma once

#include "layout/LayoutRecord.h"
#include "platform/Failure.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace gw::layout {

// A layout export file (.PAG): "PAG" at offset 0, the format version "1.0" at offset 3, then
// one layout record at offset 6.  Nothing marks its end; bytes after the record are ignored.
constexpr std::string_view LayoutExportTag = "PAG";
constexpr std::string_view LayoutExportVersion = "1.0";
constexpr std::size_t LayoutExportSize = 6 + sizeof(LayoutRecord);

// A layout taken in from an export file and the library record number it was appended as.
struct ImportedLayout
{
    LayoutRecord layout;
    int record = 0;
};

// Writes the export file, replacing one of the same name; a failed write leaves no file.  The
// notice is the confirmation the window shows.
Result<Notice> exportLayout(const LayoutRecord &layout, const std::filesystem::path &file);

// The layout of an export file, validated as an import validates it, without touching the library.
Result<LayoutRecord> readLayoutExportFile(const std::filesystem::path &file);

// Reads an export file and appends its layout to the library.  The version is not checked and
// the record is taken as it stands; whoever walks its objects clamps the count.
Result<ImportedLayout> importLayout(const std::filesystem::path &file, const std::filesystem::path &library);

} // namespace gw::layout
