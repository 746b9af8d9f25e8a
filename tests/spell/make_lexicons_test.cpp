#include "SpellTestSupport.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace gw::spell;
namespace fs = std::filesystem;

// A scratch folder whose hunspell/ holds the system's American dictionary and no other, as on a
// machine with only that package.
class OnlyAmericanHunspell : public gw::test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        if (!gw::test::onlyAmericanHunspell(hunspell()))
            GTEST_SKIP() << "hunspell-en-us not installed";
    }
    fs::path hunspell() const { return dir() / "hunspell"; }
};
using MakeLexicons = OnlyAmericanHunspell;
using SystemLexiconsTest = OnlyAmericanHunspell;

const std::array<bool, DictionaryLanguageCount> OnlyAmerican { true };

// A machine with only the American dictionary package: the build still makes its files, the
// other languages (and files left from an earlier build) are gone.
TEST_F(MakeLexicons, AMissingDictionaryPackageLeavesItsLanguageOut)
{
    const fs::path output = dir() / "bin";
    fs::create_directories(output);
    std::ofstream(output / "sscefr1.clx") << "left from an earlier build";
    const std::string command = (gw::test::programDir() / "make_lexicons").string() + " " + output.string()
        + " " + hunspell().string() + " " + (dir() / "no-mythes").string() + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(installedDictionaries(output), OnlyAmerican);
    EXPECT_EQ(installedThesauri(output), (std::array<bool, ThesaurusCount> {}));
    auto session = SpellCheckSession::open(output, output, 1, "Engl");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("crossword"));
}

// The installed program has no lexicon files of its own: it reads the system's Hunspell
// dictionaries where they are, and only the languages the system has are offered.
TEST_F(SystemLexiconsTest, AnInstalledProgramReadsTheSystemDictionariesInPlace)
{
    const fs::path program = dir() / "share";
    fs::create_directories(program);
    EXPECT_EQ(installedDictionaries(program), (std::array<bool, DictionaryLanguageCount> {}));

    std::ofstream(program / "LEXICONS.INI") << "[Lexicons]\nHunspell=" << hunspell().string()
                                            << "\nMyThes=" << (dir() / "no-mythes").string() << "\n";
    EXPECT_EQ(installedDictionaries(program), OnlyAmerican);
    EXPECT_EQ(installedThesauri(program), (std::array<bool, ThesaurusCount> {}));
    auto session = SpellCheckSession::open(program, dir(), 1, "Engl");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("crossword"));
    EXPECT_FALSE(session->accepted("crosswrod"));
    EXPECT_FALSE(SpellCheckSession::open(program, dir(), 2, "Brit"));
}

} // namespace
