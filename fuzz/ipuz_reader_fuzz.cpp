// ipuz files come from other programs and from anywhere: every byte sequence is refused with a
// reason and writes nothing, or comes in as one puzzle.
#include "CrosswordImportFuzz.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    gw::fuzz::importCrossword(std::string(reinterpret_cast<const char *>(data), size), ".ipuz");
    return 0;
}
