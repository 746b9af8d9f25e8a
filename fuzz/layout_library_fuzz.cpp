#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "platform/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// What the designer does with a record it opens: rescale to the current zoom, switch the unit
// and store the page size in pixels.
void openInDesigner(gw::layout::LayoutRecord layout)
{
    gw::layout::rescaleForZoom(layout, layout.zoom, gw::layout::LargeZoom);
    gw::layout::changeUnit(layout, !gw::layout::isInches(layout));
    gw::layout::storePagePixels(layout, layout.zoom);
    (void)gw::layout::layoutEntryText(layout, true);
}

} // namespace

// Arbitrary bytes as a layout library: listed with the default mark, the layout of a new
// puzzle taken for numbers inside and outside the library, and each record opened as the
// designer does.  Inputs reach whole records only with -max_len above 28868.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("gw_layout_library_fuzz_" + std::to_string(::getpid()) + ".DAT");
    if (!gw::writeFileBytes(path, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;

    for (int number : { -1, 0, 1, 5 })
        openInDesigner(gw::layout::loadLayoutForPuzzle(path, number));
    const auto entries = gw::layout::listLayouts(path, 1);
    if (!entries)
        return 0;
    for (const gw::layout::LayoutListEntry &entry : *entries) {
        if (const auto layout = gw::layout::readLayout(path, entry.record))
            openInDesigner(*layout);
    }
    return 0;
}
