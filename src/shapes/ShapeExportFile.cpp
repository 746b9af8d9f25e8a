#include "shapes/ShapeExportFile.h"

#include "platform/RecordFile.h"
#include "shapes/ShapeLibrary.h"

#include <cstring>
#include <string>

namespace gw::shapes {

Result<Notice> exportShape(const ShapeRecord &shape, const std::filesystem::path &file)
{
    std::string bytes;
    bytes.reserve(ShapeExportSize);
    bytes.append(ShapeExportTag).append(ShapeExportVersion);
    bytes.append(reinterpret_cast<const char *>(&shape), sizeof shape);
    if (!writeFileBytes(file, bytes))
        return Failure { "Error", "Shape could not be exported." };
    return Notice { "OK", "Puzzle Shape Exported!" };
}

Result<ShapeRecord> readShapeExportFile(const std::filesystem::path &file)
{
    const auto bytes = readFileBytes(file, ShapeExportSize);
    if (!bytes)
        return Failure { "Error", "Puzzle shape could not be imported." };
    if (bytes->size() < ShapeExportSize || !bytes->starts_with(ShapeExportTag))
        return Failure { "Error", "Puzzle shape file is corrupt or incompatible.  Import aborted." };
    ShapeRecord shape;
    std::memcpy(&shape, bytes->data() + ShapeExportTag.size() + ShapeExportVersion.size(), sizeof shape);
    return shape;
}

Result<ImportedShape> importShape(const std::filesystem::path &file, const std::filesystem::path &library)
{
    const Result<ShapeRecord> shape = readShapeExportFile(file);
    if (!shape)
        return shape.error();
    const Result<int> record = addShape(library, *shape);
    if (!record)
        return record.error();
    return ImportedShape { *shape, *record };
}

} // namespace gw::shapes
