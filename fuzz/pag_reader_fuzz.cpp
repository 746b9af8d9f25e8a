#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "layout/ObjectEntries.h"
#include "layout/PageDesign.h"
#include "platform/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

// Arbitrary bytes as a layout export file, read as the layout chooser and the property dialogs
// read it: its list entry, every object the count admits with its text, columns and rectangle
// in units, what a click finds, and the rectangles rescaled between zooms and units.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace gw::layout;
    static const std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("gw_pag_reader_fuzz_" + std::to_string(::getpid()) + ".PAG");
    if (!gw::writeFileBytes(file, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;
    const auto read = readLayoutExportFile(file);
    if (!read)
        return 0;
    auto layout = std::make_unique<LayoutRecord>(*read);
    (void)layoutEntryText(*layout, true);
    const double perUnit = pixelsPerUnit(isInches(*layout), layout->zoom);
    for (int slot = 0; slot < layout->safeObjectCount(); ++slot) {
        const LayoutObject &object = layout->objects[slot];
        (void)object.textView();
        (void)columnLines(object);
        if (isKnownKind(object.kind))
            (void)kindLook(object.kind);
        const PixelRect rect = object.rect;
        (void)unitsText(rect.left, perUnit);
        (void)unitsText(double(rect.right) - rect.left, perUnit);
        (void)readDecimal(unitsText(double(rect.bottom) - rect.top, perUnit));
        (void)draggedRect(rect, slot % (HandleCount + 1), rect.left, rect.bottom);
    }
    (void)objectHit(*layout, 10, 10, 10, 10);
    (void)placeableKinds(*layout);
    rescaleForZoom(*layout, layout->zoom, LargeZoom);
    changeUnit(*layout, !isInches(*layout));
    return 0;
}
