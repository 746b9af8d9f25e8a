#include "spell/SystemLexicons.h"

#include "platform/IsFile.h"
#include "spell/Dictionaries.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace gw::spell {

namespace {

namespace fs = std::filesystem;

// Debian dictionary names per dictionary type 1..8, the first one present is taken.
const std::vector<std::vector<std::string>> DictionarySources {
    { "en_US" },
    { "en_GB" },
    { "es_ES" },
    { "it_IT" },
    { "fr_FR", "fr" },
    { "de_DE" },
    { "nl_NL", "nl" },
    { "sv_SE" },
};

// MyThes thesauri per thesaurus type 1..2.
const std::vector<std::string> ThesaurusSources { "th_en_US_v2", "th_en_AU_v2" };

std::optional<std::string> readWhole(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The SET line of an affix file; Hunspell's default when there is none.
std::string affixEncoding(const std::string &affix)
{
    std::istringstream lines(affix);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("SET", 0) == 0 && line.size() > 4) {
            std::string name = line.substr(4);
            while (!name.empty() && (name.back() == '\r' || name.back() == ' ' || name.back() == '\t'))
                name.pop_back();
            return name;
        }
    }
    return "ISO8859-1";
}

std::string firstLine(const std::string &text)
{
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// What a file name stands for: a language's rules or stems, or a thesaurus.
struct Source
{
    const DictionaryLanguage *language = nullptr;
    bool stems = false;
    int thesaurus = 0;
};

std::optional<Source> sourceOf(std::string_view fileName)
{
    for (const DictionaryLanguage &language : dictionaryLanguages()) {
        if (fileName == language.mainLexicon)
            return Source { &language, false, 0 };
        if (fileName == language.compressedLexicon)
            return Source { &language, true, 0 };
    }
    for (int type = 1; type <= ThesaurusCount; ++type)
        if (fileName == thesaurusFile(type))
            return Source { nullptr, false, type };
    return std::nullopt;
}

// The Hunspell name of a language whose two files the system has.
std::optional<std::string> hunspellName(const DictionaryLanguage &language, const fs::path &hunspell)
{
    for (const std::string &name : DictionarySources[std::size_t(language.type - 1)])
        if (isFile(hunspell / (name + ".aff")) && isFile(hunspell / (name + ".dic")))
            return name;
    return std::nullopt;
}

fs::path thesaurusBase(int type, const fs::path &mythes)
{
    return mythes / ThesaurusSources[std::size_t(type - 1)];
}

} // namespace

std::optional<LexiconFile> systemLexicon(std::string_view fileName, const SystemDictionaries &system)
{
    const auto source = sourceOf(fileName);
    if (!source)
        return std::nullopt;
    if (source->thesaurus) {
        const fs::path base = thesaurusBase(source->thesaurus, system.mythes);
        const auto index = readWhole(base.string() + ".idx");
        const auto data = readWhole(base.string() + ".dat");
        if (!index || !data)
            return std::nullopt;
        return LexiconFile { LexiconKindThesaurus, 0, firstLine(*index), { *index, *data } };
    }
    const auto name = hunspellName(*source->language, system.hunspell);
    if (!name)
        return std::nullopt;
    // The encoding of both files is the one the affix file declares.
    const auto affix = readWhole(system.hunspell / (*name + ".aff"));
    const auto text = source->stems ? readWhole(system.hunspell / (*name + ".dic")) : affix;
    if (!affix || !text)
        return std::nullopt;
    return LexiconFile { source->stems ? LexiconKindStems : LexiconKindRules, source->language->languageId,
        affixEncoding(*affix), { *text } };
}

bool systemLexiconPresent(std::string_view fileName, const SystemDictionaries &system)
{
    const auto source = sourceOf(fileName);
    if (!source)
        return false;
    if (source->thesaurus) {
        const fs::path base = thesaurusBase(source->thesaurus, system.mythes);
        return isFile(base.string() + ".idx") && isFile(base.string() + ".dat");
    }
    return hunspellName(*source->language, system.hunspell).has_value();
}

} // namespace gw::spell
