#include "SpellTestSupport.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"
#include "support/ShellRun.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace gw::spell;

class SystemLexiconsTest : public gw::test::ScratchFolderTest
{
};

// The installed program has no lexicon files of its own: it reads the system's Hunspell
// dictionaries where they are, and only the languages the system has are offered.
TEST_F(SystemLexiconsTest, AnInstalledProgramReadsTheSystemDictionariesInPlace)
{
    const fs::path hunspell = dir() / "hunspell";
    const fs::path program = dir() / "share";
    fs::create_directories(program);
    if (!gw::test::onlyAmericanHunspell(hunspell))
        GTEST_SKIP() << "hunspell-en-us not installed";
    const std::array<bool, DictionaryLanguageCount> none {};
    EXPECT_EQ(installedDictionaries(program), none);

    std::ofstream(program / "LEXICONS.INI") << "[Lexicons]\nHunspell=" << hunspell.string()
                                            << "\nMyThes=" << (dir() / "no-mythes").string() << "\n";
    EXPECT_EQ(installedDictionaries(program),
        (std::array<bool, DictionaryLanguageCount> {
            true, false, false, false, false, false, false, false }));
    EXPECT_EQ(installedThesauri(program), (std::array<bool, ThesaurusCount> { false, false }));
    auto session = SpellCheckSession::open(program, dir(), 1, "Engl");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("crossword"));
    EXPECT_FALSE(session->accepted("crosswrod"));
    EXPECT_FALSE(SpellCheckSession::open(program, dir(), 2, "Brit"));
}

} // namespace
