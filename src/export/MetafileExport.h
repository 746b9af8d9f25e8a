#pragma once

#include "layout/LayoutRecord.h"
#include "platform/Failure.h"
#include "report/RecordedPage.h"

#include <filesystem>

namespace gw::exports {

enum class MetafileKind { Wmf, Emf };

// The page as a placeable Windows metafile or an enhanced metafile, in the sheet's pixels, 96
// per inch; bitmaps are left out.  The file appears whole or not at all.
Status writeMetafile(const report::RecordedPage &page, const std::filesystem::path &file, MetafileKind kind);

// A metafile carries no pictures: true when the layout has a Bitmap object to warn about.
bool hasBitmapObject(const layout::LayoutRecord &pageLayout);

// Shown before a metafile of such a layout is written.
inline Failure bitmapsNotSaved()
{
    return { "Warning", "Bitmaps in this puzzle will not be saved in the metafile." };
}

} // namespace gw::exports
