#pragma once

#include "platform/Failure.h"
#include "shapes/ShapeRecord.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace gw::shapes {

// A shape export file (.LAY): "LAY" at offset 0, the format version "1.0" at offset 3, then
// one shape record at offset 6.  Nothing marks its end; bytes after the record are ignored.
constexpr std::string_view ShapeExportTag = "LAY";
constexpr std::string_view ShapeExportVersion = "1.0";
constexpr std::size_t ShapeExportSize = 6 + sizeof(ShapeRecord);

// A shape taken in from an export file and the library record number it was appended as.
struct ImportedShape
{
    ShapeRecord shape;
    int record = 0;
};

// Writes the export file, replacing one of the same name; a failed write leaves no file.  The
// notice is the confirmation the window shows.
Result<Notice> exportShape(const ShapeRecord &shape, const std::filesystem::path &file);

// The shape of an export file, validated as an import validates it, without touching the library.
Result<ShapeRecord> readShapeExportFile(const std::filesystem::path &file);

// Reads an export file and appends its shape to the library.  The version is not checked and
// the record is taken as it stands: its width and height are not range-checked.
Result<ImportedShape> importShape(const std::filesystem::path &file, const std::filesystem::path &library);

} // namespace gw::shapes
