#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The dictionary languages and the thesauri, their files in the program directory, and how
// the stored "Dictionary" and "Thesaurus" settings are settled against what is installed.
namespace gw::spell {

constexpr int DictionaryLanguageCount = 8;
constexpr int DictionaryChooseAtCheck = 9; // "Dictionary" = 9: the language is asked for each check
constexpr int DictionaryNone = 0;

struct DictionaryLanguage
{
    int type; // 1..8, the "Dictionary" setting's number
    std::string_view name; // "American", shown in the windows
    std::string_view mainLexicon; // "ssceam.tlx": the rules
    std::string_view compressedLexicon; // "ssceam1.clx": the stems; its presence = installed
    std::string_view userStem; // "Engl": "IncEngl.tlx", "ExcEngl.tlx"
    std::int16_t languageId; // Windows language identifier, 1033
};

// The eight languages in type order: American, British, Spanish, Italian, French, German,
// Dutch, Swedish.
const std::array<DictionaryLanguage, DictionaryLanguageCount> &dictionaryLanguages();

// The language of type 1..8; nullopt for any other number.
std::optional<DictionaryLanguage> dictionaryLanguage(int type);

// One flag per language (index type - 1): its compressed main lexicon is in directory, or
// the system's dictionaries stand in for it there (ProgramLexicons.h).
std::array<bool, DictionaryLanguageCount> installedDictionaries(const std::filesystem::path &directory);

// Start-up settling: a type 2..8 whose language is not installed becomes 1; then 1 becomes 0
// when American is not installed.  9 is kept.  Any other stored number, 0 included, is taken
// as 1, so a dictionary installed since the last run is found again.
int settleDictionaryType(int stored, const std::array<bool, DictionaryLanguageCount> &installed);

// The stem of the user lexicons for the whole run, fixed from the settled type: the language's
// stem, "Engl" for 9; empty for 0.
std::string userLexiconStem(int settledType);

// "Inc" + stem + ".tlx" and "Exc" + stem + ".tlx".
std::string includeLexiconName(std::string_view stem);
std::string excludeLexiconName(std::string_view stem);

// Thesauri: 1 American "thesdbam.cth", 2 British "thesdbbr.cth"; 3 = choose at use time.
constexpr int ThesaurusCount = 2;
constexpr int ThesaurusChooseAtUse = 3;
constexpr int ThesaurusNone = 0;

// "American" or "British" for 1 or 2; empty otherwise.
std::string_view thesaurusName(int type);
// "thesdbam.cth" or "thesdbbr.cth" for 1 or 2; empty otherwise.
std::string_view thesaurusFile(int type);

// One flag per thesaurus (index type - 1): its file is in directory, or stood in for.
std::array<bool, ThesaurusCount> installedThesauri(const std::filesystem::path &directory);

// Start-up settling: 2 becomes 1 when British is missing; then 1 becomes 0 when American is
// missing; 3 is kept.  Any other stored number, 0 included, is taken as 1.
int settleThesaurusType(int stored, const std::array<bool, ThesaurusCount> &installed);

} // namespace gw::spell
