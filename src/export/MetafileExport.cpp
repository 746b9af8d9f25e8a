#include "export/MetafileExport.h"

#include "export/EmfWriter.h"
#include "export/ExportFile.h"
#include "export/MetafileReplay.h"
#include "export/WmfWriter.h"

namespace gw::exports {

Status writeMetafile(const report::RecordedPage &page, const std::filesystem::path &file, MetafileKind kind)
{
    const MetafileSize size = MetafileSize::ofSheet(page.setup().sheetWidth(), page.setup().sheetHeight());
    if (kind == MetafileKind::Wmf) {
        WmfWriter writer(size);
        replayIntoMetafile(page, writer);
        return writeWholeFile(file, writer.finish(), unableToWrite(file));
    }
    EmfWriter writer(size);
    if (!writer.valid())
        return unableToWrite(file);
    replayIntoMetafile(page, writer);
    const auto bytes = writer.finish();
    if (!bytes)
        return unableToWrite(file);
    return writeWholeFile(file, *bytes, unableToWrite(file));
}

bool hasBitmapObject(const layout::LayoutRecord &pageLayout)
{
    for (int slot = 0; slot < pageLayout.safeObjectCount(); ++slot) {
        if (pageLayout.objects[slot].kind == static_cast<std::int16_t>(layout::ObjectKind::Bitmap))
            return true;
    }
    return false;
}

} // namespace gw::exports
