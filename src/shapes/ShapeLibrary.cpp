#include "shapes/ShapeLibrary.h"

#include "platform/RecordFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <limits>

namespace gw::shapes {

namespace {

const Failure NoShapesFound { "Warning", "No saved shape information could be found." };
const Failure CannotAdd { "Disk Error", "Unable to add shape." };
const Failure CannotDelete { "Disk Error", "Unable to delete puzzle shape." };
// A record that vanished or could not be read after the list was built.
const Failure CannotRead { "Disk Error", "Unable to read puzzle shape." };

} // namespace

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
            return CannotRead;
        entries.push_back({ shapeEntryText(shape), static_cast<int>(n) });
    }
    if (entries.empty())
        return NoShapesFound;
    std::ranges::stable_sort(entries, alphabeticallyBefore, &ShapeListEntry::text);
    return entries;
}

Result<ShapeRecord> readShape(const std::filesystem::path &library, int record)
{
    const auto file = RecordFile::openForReading(library, sizeof(ShapeRecord));
    ShapeRecord shape;
    if (!file || !file->read(record, &shape))
        return CannotRead;
    return shape;
}

Result<int> addShape(const std::filesystem::path &library, const ShapeRecord &shape)
{
    auto file = RecordFile::openOrCreate(library, sizeof(ShapeRecord));
    if (!file)
        return CannotAdd;
    const std::int64_t count = file->recordCount();
    if (count >= std::numeric_limits<int>::max() || !file->append(&shape))
        return CannotAdd;
    return static_cast<int>(count);
}

Status replaceShape(const std::filesystem::path &library, int record, const ShapeRecord &shape)
{
    auto file = RecordFile::openOrCreate(library, sizeof(ShapeRecord));
    // Writing past the end would leave a gap of undefined records, so only existing records
    // and the one just after the last are accepted.
    if (!file || !file->write(record, &shape))
        return CannotAdd;
    return ok();
}

Status deleteShape(const std::filesystem::path &library, int record)
{
    auto file = RecordFile::openExisting(library, sizeof(ShapeRecord));
    if (!file || !file->remove(record))
        return CannotDelete;
    return ok();
}

} // namespace gw::shapes
