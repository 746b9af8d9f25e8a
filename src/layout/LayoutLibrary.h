#pragma once

#include "layout/LayoutListEntry.h"
#include "layout/LayoutRecord.h"
#include "platform/Failure.h"
#include "platform/RecordFingerprint.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::layout {

// The layout library: ZPFPAGE.DAT in the program directory, layout records of 28868 bytes with
// no header.  A record's position from 0 is its record number; deleting closes the gap.
constexpr std::string_view LayoutLibraryFileName = "ZPFPAGE.DAT";

constexpr std::string_view DefaultMarker = "  <<DEFAULT>>";

// "Name (Letter)"; a Custom page reads "Name (Custom 8" x 11")" with the size rounded to whole
// numbers and the inch mark whatever the unit.  The default layout's entry ends in the marker.
std::string layoutEntryText(const LayoutRecord &layout, bool isDefault);

// One entry per record, sorted alphabetically by text, the record numbered defaultRecord marked.
// A missing or empty library is the "No saved page layouts could be found." warning.
Result<std::vector<LayoutListEntry>> listLayouts(const std::filesystem::path &library, int defaultRecord);

Result<LayoutRecord> readLayout(const std::filesystem::path &library, int record);

// The layout a new puzzle gets: the given record, or record 0 when the number does not name
// one; the built-in default layout when the library is missing, empty or unreadable.
LayoutRecord loadLayoutForPuzzle(const std::filesystem::path &library, int record);

// Appends the layout, creating the library when it is missing; gives the new record number.
Result<int> addLayout(const std::filesystem::path &library, const LayoutRecord &layout);

// The failure of a replace or delete that found another record than the one loaded: the
// window then closes or reloads its list.
Failure layoutChangedElsewhere();

// Overwrites record `record`, which must still hold the layout read as `loaded` (see
// RecordFingerprint.h); nothing is written otherwise.
Status replaceLayout(
    const std::filesystem::path &library, int record, const LayoutRecord &layout, RecordFingerprint loaded);

// The designer's Save: over record `*replacing` as replaceLayout does, or appended.
Status saveLayout(const std::filesystem::path &library, const LayoutRecord &layout,
    std::optional<int> replacing, RecordFingerprint loaded);

// Deletes record `record`, which must still hold the layout read as `loaded`: every later record
// moves down one place.
Status deleteLayout(const std::filesystem::path &library, int record, RecordFingerprint loaded);

} // namespace gw::layout
