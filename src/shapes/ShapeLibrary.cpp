#include "shapes/ShapeLibrary.h"

#include "platform/RecordLibrary.h"
#include "platform/Text.h"

#include <algorithm>
#include <limits>

namespace gw::shapes {

namespace {

const Failure NoShapesFound { "Warning", "No saved shape information could be found." };
// A record that vanished or could not be read after the list was built is a read failure.
const LibraryFailures Failures { { "Disk Error", "Unable to read puzzle shape." },
    { "Disk Error", "Unable to add shape." }, { "Disk Error", "Unable to delete puzzle shape." },
    shapeChangedElsewhere() };

} // namespace

Failure shapeChangedElsewhere()
{
    return { "Warning",
        "This puzzle shape was changed or deleted by another program after it was loaded, so nothing was "
        "written.  "
        "The list has been reloaded." };
}

std::string shapeEntryText(const ShapeRecord &shape)
{
    return std::to_string(shape.width) + "x" + std::to_string(shape.height) + " " + shape.title.str();
}

Result<std::vector<ShapeListEntry>> listShapes(const std::filesystem::path &library)
{
    const auto file = RecordFile::openForReading(library, sizeof(ShapeRecord));
    if (!file)
        return NoShapesFound;
    std::vector<ShapeListEntry> entries;
    const std::int64_t count = std::min<std::int64_t>(file->recordCount(), std::numeric_limits<int>::max());
    for (std::int64_t n = 0; n < count; ++n) {
        ShapeRecord shape;
        if (!file->read(n, &shape))
            return Failures.cannotRead;
        entries.push_back({ shapeEntryText(shape), static_cast<int>(n) });
    }
    if (entries.empty())
        return NoShapesFound;
    std::ranges::stable_sort(entries, alphabeticallyBefore, &ShapeListEntry::text);
    return entries;
}

Result<ShapeRecord> readShape(const std::filesystem::path &library, int record)
{
    return readLibraryRecord<ShapeRecord>(library, record, Failures);
}

Result<int> addShape(const std::filesystem::path &library, const ShapeRecord &shape)
{
    return addLibraryRecord(library, shape, Failures);
}

Status replaceShape(
    const std::filesystem::path &library, int record, const ShapeRecord &shape, RecordFingerprint loaded)
{
    return replaceLibraryRecord(library, record, shape, loaded, Failures);
}

Status saveShape(const std::filesystem::path &library, const ShapeRecord &shape, std::optional<int> replacing,
    RecordFingerprint loaded)
{
    return saveLibraryRecord(library, shape, replacing, loaded, Failures);
}

Status deleteShape(const std::filesystem::path &library, int record, RecordFingerprint loaded)
{
    return deleteLibraryRecord<ShapeRecord>(library, record, loaded, Failures);
}

} // namespace gw::shapes
