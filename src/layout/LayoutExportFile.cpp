#include "layout/LayoutExportFile.h"

#include "layout/LayoutLibrary.h"
#include "platform/RecordLibrary.h"

namespace gw::layout {

namespace {

const ExportFormat LayoutExport { LayoutExportTag, LayoutExportVersion,
    { "Error", "Page layout could not be imported." },
    { "Error", "Page layout file is corrupt or incompatible.  Import aborted." } };

} // namespace

Result<Notice> exportLayout(const LayoutRecord &layout, const std::filesystem::path &file)
{
    if (!writeExportFile(file, LayoutExport, layout))
        return Failure { "Error", "Page layout could not be exported." };
    return Notice { "OK", "Page Layout Exported!" };
}

Result<LayoutRecord> readLayoutExportFile(const std::filesystem::path &file)
{
    return readExportFile<LayoutRecord>(file, LayoutExport);
}

Result<ImportedLayout> importLayout(const std::filesystem::path &file, const std::filesystem::path &library)
{
    const Result<LayoutRecord> layout = readLayoutExportFile(file);
    if (!layout)
        return layout.error();
    const Result<int> record = addLayout(library, *layout);
    if (!record)
        return record.error();
    return ImportedLayout { *layout, *record };
}

} // namespace gw::layout
