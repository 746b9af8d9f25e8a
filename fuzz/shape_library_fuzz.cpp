#include "platform/RecordFile.h"
#include "shapes/ShapeLibrary.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

// Arbitrary bytes as a shape library: the list is built and every listed record is read again
// and shown as a list line.  Inputs reach whole records only with -max_len above 2555.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path path = std::filesystem::temp_directory_path()
        / ("gw_shape_library_fuzz_" + std::to_string(::getpid()) + ".DAT");
    if (!gw::writeFileBytes(path, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;

    const auto entries = gw::shapes::listShapes(path);
    if (!entries)
        return 0;
    for (const gw::shapes::ShapeListEntry &entry : *entries) {
        if (const auto shape = gw::shapes::readShape(path, entry.record))
            (void)gw::shapes::shapeEntryText(*shape);
    }
    return 0;
}
