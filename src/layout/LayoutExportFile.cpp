#include "layout/LayoutExportFile.h"

#include "layout/LayoutLibrary.h"
#include "platform/RecordFile.h"

#include <cstring>
#include <string>

namespace gw::layout {

Result<Notice> exportLayout(const LayoutRecord &layout, const std::filesystem::path &file)
{
    std::string bytes;
    bytes.reserve(LayoutExportSize);
    bytes.append(LayoutExportTag).append(LayoutExportVersion);
    bytes.append(reinterpret_cast<const char *>(&layout), sizeof layout);
    if (!writeFileBytes(file, bytes))
        return Failure { "Error", "Page layout could not be exported." };
    return Notice { "OK", "Page Layout Exported!" };
}

Result<LayoutRecord> readLayoutExportFile(const std::filesystem::path &file)
{
    const auto bytes = readFileBytes(file, LayoutExportSize);
    if (!bytes)
        return Failure { "Error", "Page layout could not be imported." };
    if (bytes->size() < LayoutExportSize || !bytes->starts_with(LayoutExportTag))
        return Failure { "Error", "Page layout file is corrupt or incompatible.  Import aborted." };
    LayoutRecord layout;
    std::memcpy(&layout, bytes->data() + LayoutExportTag.size() + LayoutExportVersion.size(), sizeof layout);
    return layout;
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
