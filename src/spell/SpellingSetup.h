#pragma once

#include "spell/Dictionaries.h"

#include <array>
#include <filesystem>
#include <string>

namespace gw::model {
struct Settings;
}

namespace gw::spell {

// What start-up found of the spelling and thesaurus files, and the user lexicons the run works
// with.  The lexicon names are fixed from the dictionary type settled at start-up and stay for
// the whole run, whatever type is chosen later.
struct SpellingSetup
{
    std::array<bool, DictionaryLanguageCount> dictionaries {}; // index type - 1
    std::array<bool, ThesaurusCount> thesauri {}; // index type - 1
    std::string userStem; // "Engl": "IncEngl.tlx", "ExcEngl.tlx"

    bool anyDictionary() const;
    bool anyThesaurus() const;
};

// Looks for the lexicon and thesaurus files in the program directory and settles the settings
// "Dictionary" and "Thesaurus" against them.  With no language installed the user lexicons
// still get the American stem, so a user lexicon is never written under a name without a
// language.
SpellingSetup settleSpelling(model::Settings &settings, const std::filesystem::path &programDirectory);

// The language a dictionary type stands for in the user dictionary window and when a user
// lexicon is created: its own for 1..8, American for 9 (and for 0).
DictionaryLanguage userLexiconLanguage(int dictionaryType);

} // namespace gw::spell
