#include "layout/LayoutLibrary.h"

#include "layout/DefaultLayout.h"
#include "layout/LayoutUnits.h"
#include "platform/RecordLibrary.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gw::layout {

namespace {

const Failure NoLayoutsFound { "Warning", "No saved page layouts could be found." };
// A record that vanished or could not be read after the list was built is a read failure.
const LibraryFailures Failures { { "Disk Error", "Unable to read page layout." },
    { "Disk Error", "Unable to add page layout." }, { "Disk Error", "Unable to delete page layout." },
    layoutChangedElsewhere() };

// A page size as the list shows it: rounded to a whole number, held to a printable range.
std::string wholeNumber(double size)
{
    return std::to_string(truncatedCoordinate(std::round(size)));
}

} // namespace

Failure layoutChangedElsewhere()
{
    return { "Warning",
        "This page layout was changed or deleted by another program after it was loaded, so nothing was "
        "written.  "
        "The list has been reloaded." };
}

std::string layoutEntryText(const LayoutRecord &layout, bool isDefault)
{
    std::string text = layout.name.str() + " (";
    if (layout.paperName == CustomPaperName)
        text += std::string(CustomPaperName) + " " + wholeNumber(layout.pageWidth) + "\" x "
            + wholeNumber(layout.pageHeight) + "\"";
    else
        text += layout.paperName.str();
    text += ")";
    if (isDefault)
        text += DefaultMarker;
    return text;
}

Result<std::vector<LayoutListEntry>> listLayouts(const std::filesystem::path &library, int defaultRecord)
{
    const auto file = RecordFile::openForReading(library, sizeof(LayoutRecord));
    if (!file)
        return NoLayoutsFound;
    std::vector<LayoutListEntry> entries;
    const std::int64_t count = std::min<std::int64_t>(file->recordCount(), std::numeric_limits<int>::max());
    LayoutRecord layout;
    for (std::int64_t n = 0; n < count; ++n) {
        if (!file->read(n, &layout))
            return Failures.cannotRead;
        entries.push_back({ layoutEntryText(layout, n == defaultRecord), static_cast<int>(n) });
    }
    if (entries.empty())
        return NoLayoutsFound;
    std::ranges::stable_sort(entries, alphabeticallyBefore, &LayoutListEntry::text);
    return entries;
}

Result<LayoutRecord> readLayout(const std::filesystem::path &library, int record)
{
    return readLibraryRecord<LayoutRecord>(library, record, Failures);
}

LayoutRecord loadLayoutForPuzzle(const std::filesystem::path &library, int record)
{
    const auto file = RecordFile::openForReading(library, sizeof(LayoutRecord));
    if (!file || file->recordCount() == 0)
        return defaultLayout();
    // The number comes from the settings file, so a negative one falls back like one too large.
    const std::int64_t number = record >= 0 && record < file->recordCount() ? record : 0;
    LayoutRecord layout;
    if (!file->read(number, &layout))
        return defaultLayout();
    return layout;
}

Result<int> addLayout(const std::filesystem::path &library, const LayoutRecord &layout)
{
    return addLibraryRecord(library, layout, Failures);
}

Status replaceLayout(
    const std::filesystem::path &library, int record, const LayoutRecord &layout, RecordFingerprint loaded)
{
    return replaceLibraryRecord(library, record, layout, loaded, Failures);
}

Status saveLayout(const std::filesystem::path &library, const LayoutRecord &layout,
    std::optional<int> replacing, RecordFingerprint loaded)
{
    return saveLibraryRecord(library, layout, replacing, loaded, Failures);
}

Status deleteLayout(const std::filesystem::path &library, int record, RecordFingerprint loaded)
{
    return deleteLibraryRecord<LayoutRecord>(library, record, loaded, Failures);
}

} // namespace gw::layout
