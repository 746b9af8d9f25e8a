#include "spell/Dictionaries.h"

#include <system_error>

namespace gw::spell {

namespace {

constexpr std::array<DictionaryLanguage, DictionaryLanguageCount> Languages { {
    { 1, "American", "ssceam.tlx", "ssceam1.clx", "Engl", 1033 },
    { 2, "British", "sscebr.tlx", "sscebr1.clx", "Brit", 2057 },
    { 3, "Spanish", "sscesp.tlx", "sscesp1.clx", "Span", 1034 },
    { 4, "Italian", "ssceit.tlx", "ssceit1.clx", "Ital", 1040 },
    { 5, "French", "sscefr.tlx", "sscefr1.clx", "Frnch", 1036 },
    { 6, "German", "sscege.tlx", "sscege1.clx", "Germ", 1031 },
    { 7, "Dutch", "sscedu.tlx", "sscedu1.clx", "Dutch", 1043 },
    { 8, "Swedish", "sscesw.tlx", "sscesw1.clx", "Swed", 1053 },
} };

} // namespace

const std::array<DictionaryLanguage, DictionaryLanguageCount> &dictionaryLanguages()
{
    return Languages;
}

std::optional<DictionaryLanguage> dictionaryLanguage(int type)
{
    if (type < 1 || type > DictionaryLanguageCount)
        return std::nullopt;
    return Languages[std::size_t(type - 1)];
}

int settleDictionaryType(int stored, const std::array<bool, DictionaryLanguageCount> &installed)
{
    if (stored == DictionaryChooseAtCheck)
        return stored;
    int type = stored >= 1 && stored <= DictionaryLanguageCount ? stored : 1;
    if (type != 1 && !installed[std::size_t(type - 1)])
        type = 1;
    if (type == 1 && !installed[0])
        type = DictionaryNone;
    return type;
}

std::string userLexiconStem(int settledType)
{
    if (settledType == DictionaryChooseAtCheck)
        return std::string(Languages[0].userStem);
    if (const auto language = dictionaryLanguage(settledType))
        return std::string(language->userStem);
    return {};
}

std::string includeLexiconName(std::string_view stem)
{
    return "Inc" + std::string(stem) + ".tlx";
}

std::string excludeLexiconName(std::string_view stem)
{
    return "Exc" + std::string(stem) + ".tlx";
}

std::string_view thesaurusName(int type)
{
    switch (type) {
    case 1:
        return "American";
    case 2:
        return "British";
    default:
        return {};
    }
}

std::string_view thesaurusFile(int type)
{
    switch (type) {
    case 1:
        return "thesdbam.cth";
    case 2:
        return "thesdbbr.cth";
    default:
        return {};
    }
}

int settleThesaurusType(int stored, const std::array<bool, ThesaurusCount> &installed)
{
    if (stored == ThesaurusChooseAtUse)
        return stored;
    int type = stored == 1 || stored == 2 ? stored : 1;
    if (type == 2 && !installed[1])
        type = 1;
    if (type == 1 && !installed[0])
        type = ThesaurusNone;
    return type;
}

} // namespace gw::spell
