#include "spell/SpellingSetup.h"

#include "model/Settings.h"

#include <algorithm>

namespace gw::spell {

namespace {

constexpr int American = 1;

} // namespace

bool SpellingSetup::anyDictionary() const
{
    return std::ranges::any_of(dictionaries, [](bool installed) { return installed; });
}

bool SpellingSetup::anyThesaurus() const
{
    return std::ranges::any_of(thesauri, [](bool installed) { return installed; });
}

SpellingSetup settleSpelling(model::Settings &settings, const std::filesystem::path &programDirectory)
{
    SpellingSetup setup;
    setup.dictionaries = installedDictionaries(programDirectory);
    settings.dictionary = settleDictionaryType(settings.dictionary, setup.dictionaries);
    setup.userStem = userLexiconStem(settings.dictionary);
    if (setup.userStem.empty())
        setup.userStem = std::string(userLexiconLanguage(DictionaryNone).userStem);

    setup.thesauri = installedThesauri(programDirectory);
    settings.thesaurus = settleThesaurusType(settings.thesaurus, setup.thesauri);
    return setup;
}

DictionaryLanguage userLexiconLanguage(int dictionaryType)
{
    return dictionaryLanguage(dictionaryType).value_or(*dictionaryLanguage(American));
}

} // namespace gw::spell
