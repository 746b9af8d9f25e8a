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
#include "spell/SystemLexicons.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using namespace gw::spell;

// Writes the file of that name, or removes a stale one when the system lacks its source.
bool make(std::string_view name, const fs::path &output, const SystemDictionaries &system)
{
    const fs::path file = output / name;
    const auto lexicon = systemLexicon(name, system);
    if (!lexicon) {
        std::fprintf(
            stderr, "make_lexicons: the system has no source for %s; it is left out\n", file.c_str());
        std::error_code error;
        fs::remove(file, error);
        return true;
    }
    if (const auto written = writeLexiconFile(file, *lexicon); !written) {
        std::fprintf(stderr, "make_lexicons: %s\n", written.error().text.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: make_lexicons OUTPUT_DIR HUNSPELL_DIR MYTHES_DIR\n", stderr);
        return 2;
    }
    const fs::path output = argv[1];
    const SystemDictionaries system { argv[2], argv[3] };
    std::error_code error;
    fs::create_directories(output, error);
    bool done = true;
    for (const DictionaryLanguage &language : dictionaryLanguages()) {
        // The compressed lexicon marks the language installed: it is written last.
        done = make(language.mainLexicon, output, system) && done;
        done = make(language.compressedLexicon, output, system) && done;
    }
    for (int type = 1; type <= ThesaurusCount; ++type)
        done = make(thesaurusFile(type), output, system) && done;
    return done ? 0 : 1;
}
