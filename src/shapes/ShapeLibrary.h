#pragma once

#include "platform/Failure.h"
#include "platform/RecordFingerprint.h"
#include "shapes/ShapeListEntry.h"
#include "shapes/ShapeRecord.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::shapes {

// The shape library: ZPFLAY.DAT in the program directory, shape records of 2555 bytes with no
// header.  A record's position from 0 is its record number; deleting closes the gap.
constexpr std::string_view ShapeLibraryFileName = "ZPFLAY.DAT";

// "<width>x<height> <title>", e.g. "15x13 Diamond".
std::string shapeEntryText(const ShapeRecord &shape);

// One entry per record, sorted alphabetically by text; the entry count is the shape count.
// A missing or empty library is the "No saved shape information could be found." warning.
Result<std::vector<ShapeListEntry>> listShapes(const std::filesystem::path &library);

Result<ShapeRecord> readShape(const std::filesystem::path &library, int record);

// Appends the shape, creating the library when it is missing; gives the new record number.
Result<int> addShape(const std::filesystem::path &library, const ShapeRecord &shape);

// The failure of a replace or delete that found another record than the one loaded: the
// window then closes or reloads its list.
Failure shapeChangedElsewhere();

// Overwrites record `record`, which must still hold the shape read as `loaded` (see
// RecordFingerprint.h); nothing is written otherwise.
Status replaceShape(
    const std::filesystem::path &library, int record, const ShapeRecord &shape, RecordFingerprint loaded);

// The designer's Save: over record `*replacing` as replaceShape does, or appended.
Status saveShape(const std::filesystem::path &library, const ShapeRecord &shape, std::optional<int> replacing,
    RecordFingerprint loaded);

// Deletes record `record`, which must still hold the shape read as `loaded`: every later record
// moves down one place.
Status deleteShape(const std::filesystem::path &library, int record, RecordFingerprint loaded);

} // namespace gw::shapes
