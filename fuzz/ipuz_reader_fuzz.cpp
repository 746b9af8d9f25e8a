// .ipuz files come from other programs and from anywhere: every byte sequence is refused with a
// reason, or comes in as a puzzle the program can print.
#include "CrosswordImportFuzz.h"
#include "model/IpuzReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    gw::fuzz::importCrossword(
        std::string_view(reinterpret_cast<const char *>(data), size), gw::model::readIpuz);
    return 0;
}
