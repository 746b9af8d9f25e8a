#include "model/Settings.h"
#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

// Arbitrary bytes as the settings file, read and written in memory as loadSettings and
// saveSettings do it between the disk accesses.  The document must give back its bytes
// unchanged; whatever they held, reading what was written must give the same settings, and
// writing those again must not change a byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Missing, so that "Last Group" takes its default without a collection lying there.
    static const std::filesystem::path directory = "/nonexistent/gw_settings_fuzz";
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    gw::IniFile document(bytes);
    if (document.text() != bytes)
        std::abort();
    const gw::model::Settings first = gw::model::readSettings(document, directory);
    gw::model::writeSettings(first, document);
    const std::string written = document.text();

    gw::IniFile again(written);
    const gw::model::Settings second = gw::model::readSettings(again, directory);
    if (!(second == first))
        std::abort();
    gw::model::writeSettings(second, again);
    if (again.modified() || again.text() != written)
        std::abort();
    return 0;
}
