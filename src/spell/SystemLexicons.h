#pragma once

#include "platform/Failure.h"
#include "spell/LexiconFile.h"

#include <filesystem>
#include <optional>
#include <string_view>

// The main lexicons and thesauri of the program made from the system's Hunspell dictionaries
// and MyThes thesauri: "ssceam.tlx" holds en_US.aff, "ssceam1.clx" en_US.dic, "thesdbam.cth"
// th_en_US_v2.idx and .dat, and so on for each language.  The build writes them into the
// program directory; an installed program reads the system's files in place.
namespace gw::spell {

struct SystemDictionaries
{
    std::filesystem::path hunspell; // /usr/share/hunspell
    std::filesystem::path mythes; // /usr/share/mythes
};

// The lexicon of that file name made from the system's files; nullopt when the name is not
// a main lexicon or thesaurus name, or the system lacks its files.
std::optional<LexiconFile> systemLexicon(std::string_view fileName, const SystemDictionaries &system);

// Whether systemLexicon finds the system's files for that name, without reading them.
bool systemLexiconPresent(std::string_view fileName, const SystemDictionaries &system);

} // namespace gw::spell
