// .puz files come from other programs and from anywhere: every byte sequence is refused with a
// reason and writes nothing, or comes in as one puzzle.  The same bytes with their checksums
// made right reach past the checksum test into the boards, strings and sections.
#include "CrosswordImportFuzz.h"
#include "model/PuzFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char *>(data), size);
    gw::fuzz::importCrossword(bytes, ".puz");
    if (gw::model::sealPuz(bytes))
        gw::fuzz::importCrossword(bytes, ".puz");
    return 0;
}
