#include "shapes/ShapeExportFile.h"

#include "platform/RecordLibrary.h"
#include "shapes/ShapeLibrary.h"

namespace gw::shapes {

namespace {

const ExportFormat ShapeExport { ShapeExportTag, ShapeExportVersion,
    { "Error", "Puzzle shape could not be imported." },
    { "Error", "Puzzle shape file is corrupt or incompatible.  Import aborted." } };

} // namespace

Result<Notice> exportShape(const ShapeRecord &shape, const std::filesystem::path &file)
{
    if (!writeExportFile(file, ShapeExport, shape))
        return Failure { "Error", "Shape could not be exported." };
    return Notice { "OK", "Puzzle Shape Exported!" };
}

Result<ShapeRecord> readShapeExportFile(const std::filesystem::path &file)
{
    return readExportFile<ShapeRecord>(file, ShapeExport);
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
