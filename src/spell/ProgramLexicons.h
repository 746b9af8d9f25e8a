#pragma once

#include "platform/Failure.h"
#include "spell/LexiconFile.h"

#include <filesystem>
#include <string_view>

namespace gw::spell {

// A program directory holding "LEXICONS.INI" takes the main lexicons and thesauri it lacks
// from the system folders that file names:
//   [Lexicons]
//   Hunspell=/usr/share/hunspell
//   MyThes=/usr/share/mythes
constexpr std::string_view SystemLexiconsFileName = "LEXICONS.INI";

// A lexicon file of the program: the file itself, or when it is missing and its directory
// names the system's dictionaries, the lexicon made from them.
Result<LexiconFile> readProgramLexicon(const std::filesystem::path &file);
bool programLexiconPresent(const std::filesystem::path &file);

} // namespace gw::spell
