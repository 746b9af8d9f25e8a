// Lexicon and thesaurus files lie in the program directory and the user's include and exclude
// lexicons are the user's: every byte sequence must be read, or refused, within its bounds,
// a thesaurus's index must be checked against its data within bounds, and a file that reads
// must survive being written and read again unchanged.
#include "spell/LexiconFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto lexicon = gw::spell::parseLexiconFile(bytes);
    if (!lexicon)
        return 0;
    for (const std::string &section : lexicon->sections)
        (void)gw::spell::lexiconWordSection(gw::spell::lexiconWords(section));
    if (lexicon->sections.size() == 2)
        (void)gw::spell::thesaurusSectionsConsistent(lexicon->sections[0], lexicon->sections[1]);
    const auto again = gw::spell::parseLexiconFile(gw::spell::lexiconFileBytes(*lexicon));
    if (!again || again->kind != lexicon->kind || again->language != lexicon->language
        || again->sections != lexicon->sections)
        std::abort();
    return 0;
}
