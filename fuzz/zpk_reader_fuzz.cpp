// Previous-version files come from old disks: arbitrary bytes as a 16-bit single-puzzle file,
// and the same bytes as the payload of a well-formed one, are read, converted and listed.
#include "layout/DefaultLayout.h"
#include "model/CollectionLists.h"
#include "model/PreviousVersion.h"
#include "model/PuzzleText.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

void convertAndShow(const gw::model::OldPuzzleRecord &old)
{
    auto converted = std::make_unique<gw::model::PuzzleRecord>();
    std::memset(converted.get(), 0, sizeof *converted);
    gw::model::convertOldPuzzle(old, gw::layout::defaultLayout(), *converted);
    (void)gw::model::puzzleAsText(*converted);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string stem = "gw_zpk_fuzz_" + std::to_string(::getpid());
    static const std::filesystem::path directory = std::filesystem::temp_directory_path();
    const std::string bytes(reinterpret_cast<const char *>(data), size);

    // As a file of its own: the reader must refuse or accept without reading past it.
    const std::filesystem::path zpk = directory / (stem + ".zpk");
    if (gw::writeFileBytes(zpk, bytes)) {
        if (const auto old = gw::model::readZpkFile(zpk))
            convertAndShow(*old);
    }

    // As the payload of a well-formed file, so that every input reaches the conversion.
    std::string payload = bytes.substr(0, sizeof(gw::model::OldPuzzleRecord));
    payload.resize(sizeof(gw::model::OldPuzzleRecord), '\0');
    if (gw::writeFileBytes(zpk,
            std::string("ZPK\x03"
                        "2.0",
                7)
                + payload)) {
        if (const auto old = gw::model::readZpkFile(zpk))
            convertAndShow(*old);
    }

    // As the old user puzzle file, converted into a collection that is then listed.
    const std::filesystem::path oldFile = directory / (stem + ".DAT");
    const std::filesystem::path collection = directory / (stem + ".ZP3");
    if (gw::writeFileBytes(oldFile, payload + bytes)) {
        if (gw::model::convertOldPuzzleFile(oldFile, collection, gw::layout::defaultLayout()))
            (void)gw::model::CollectionLists::load(collection).categoryLines();
    }
    std::error_code ignored;
    std::filesystem::remove(oldFile, ignored);
    std::filesystem::remove(collection, ignored);
    return 0;
}
