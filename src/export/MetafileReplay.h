#pragma once

#include "export/MetafileDevice.h"
#include "report/RecordedPage.h"

namespace gw::exports {

// Draws a recorded page into a metafile in its pixels: white over the whole sheet, then every
// operation in order, positions truncated to whole pixels.  Texts keep their baselines and the
// character advances they were measured with on the page.  Bitmaps are left out: a metafile
// carries no pictures.
void replayIntoMetafile(const report::RecordedPage &page, MetafileDevice &device);

} // namespace gw::exports
