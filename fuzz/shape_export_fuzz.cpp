#include "platform/RecordFile.h"
#include "shapes/ShapeExportFile.h"
#include "shapes/ShapeLibrary.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

// Arbitrary bytes as a shape export file: it is imported into an empty library, which is
// removed again so that every input starts from the same state.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string stem = "gw_shape_export_fuzz_" + std::to_string(::getpid());
    static const std::filesystem::path file = std::filesystem::temp_directory_path() / (stem + ".LAY");
    static const std::filesystem::path library = std::filesystem::temp_directory_path() / (stem + ".DAT");
    if (!gw::writeFileBytes(file, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;

    if (const auto imported = gw::shapes::importShape(file, library))
        (void)gw::shapes::shapeEntryText(imported->shape);
    std::error_code ignored;
    std::filesystem::remove(library, ignored);
    return 0;
}
