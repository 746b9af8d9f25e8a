// Writes the spelling and thesaurus files of the program directory from Debian's Hunspell
// dictionaries and MyThes thesauri:
//   ssce??.tlx   the language's affix rules       ssce??1.clx  its word stems
//   thesdbam.cth the American thesaurus            thesdbbr.cth the British one
// A language whose dictionary is not installed gets no files (and loses stale ones), so the
// program starts with it marked not installed.
//
// usage: make_lexicons OUTPUT_DIR HUNSPELL_DIR MYTHES_DIR

#include "spell/Dictionaries.h"
#include "spell/LexiconFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace gw::spell;

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

bool write(const fs::path &file, const LexiconFile &lexicon)
{
    if (const auto written = writeLexiconFile(file, lexicon); !written) {
        std::fprintf(stderr, "make_lexicons: %s\n", written.error().text.c_str());
        return false;
    }
    return true;
}

void removeStale(const fs::path &file)
{
    std::error_code error;
    fs::remove(file, error);
}

bool makeLanguage(const DictionaryLanguage &language, const fs::path &output, const fs::path &hunspell)
{
    const fs::path mainFile = output / language.mainLexicon;
    const fs::path compressedFile = output / language.compressedLexicon;
    for (const std::string &source : DictionarySources[std::size_t(language.type - 1)]) {
        const auto affix = readWhole(hunspell / (source + ".aff"));
        const auto stems = readWhole(hunspell / (source + ".dic"));
        if (!affix || !stems)
            continue;
        const std::string encoding = affixEncoding(*affix);
        const LexiconFile rules { LexiconKindRules, language.languageId, encoding, { *affix } };
        const LexiconFile compressed { LexiconKindStems, language.languageId, encoding, { *stems } };
        // The compressed lexicon marks the language installed: it is written last.
        return write(mainFile, rules) && write(compressedFile, compressed);
    }
    std::fprintf(stderr, "make_lexicons: no %s dictionary in %s; %s is left out\n",
        DictionarySources[std::size_t(language.type - 1)].front().c_str(), hunspell.c_str(),
        std::string(language.name).c_str());
    removeStale(compressedFile);
    removeStale(mainFile);
    return true;
}

bool makeThesaurus(int type, const fs::path &output, const fs::path &mythes)
{
    const fs::path file = output / thesaurusFile(type);
    const std::string &source = ThesaurusSources[std::size_t(type - 1)];
    const auto index = readWhole(mythes / (source + ".idx"));
    const auto data = readWhole(mythes / (source + ".dat"));
    if (!index || !data) {
        std::fprintf(stderr, "make_lexicons: no %s thesaurus in %s; the %s thesaurus is left out\n",
            source.c_str(), mythes.c_str(), std::string(thesaurusName(type)).c_str());
        removeStale(file);
        return true;
    }
    return write(file, { LexiconKindThesaurus, 0, firstLine(*index), { *index, *data } });
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: make_lexicons OUTPUT_DIR HUNSPELL_DIR MYTHES_DIR\n", stderr);
        return 2;
    }
    const fs::path output = argv[1];
    std::error_code error;
    fs::create_directories(output, error);
    bool done = true;
    for (const DictionaryLanguage &language : dictionaryLanguages())
        done = makeLanguage(language, output, argv[2]) && done;
    for (int type = 1; type <= ThesaurusCount; ++type)
        done = makeThesaurus(type, output, argv[3]) && done;
    return done ? 0 : 1;
}
