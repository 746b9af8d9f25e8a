#include "model/Settings.h"
#include "platform/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Arbitrary bytes as the settings file: loaded, saved over itself and loaded again.  Whatever
// the file held, the second load must give the same settings and a second save must leave the
// file as the first save wrote it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path directory = [] {
        const std::filesystem::path made
            = std::filesystem::temp_directory_path() / ("gw_settings_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(made);
        return made;
    }();
    const std::filesystem::path ini = directory / "GRIDW3.INI";
    if (!gw::writeFileBytes(ini, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;

    const gw::model::Settings first = gw::model::loadSettings(ini, directory);
    if (!gw::model::saveSettings(first, ini))
        return 0;
    const std::string written = gw::readFileBytes(ini, 4 << 20).value_or("");
    const gw::model::Settings second = gw::model::loadSettings(ini, directory);
    if (!(second == first))
        std::abort();
    if (!gw::model::saveSettings(second, ini) || gw::readFileBytes(ini, 4 << 20).value_or("") != written)
        std::abort();
    return 0;
}
