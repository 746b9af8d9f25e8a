#include "SpellTestSupport.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace gw::spell;
using MakeLexicons = gw::test::ScratchFolderTest;
namespace fs = std::filesystem;

// A machine with only the American dictionary package: the build still makes its files, the
// other languages (and files left from an earlier build) are gone, and start-up sees that.
TEST_F(MakeLexicons, AMissingDictionaryPackageLeavesItsLanguageOut)
{
    const fs::path hunspell = dir() / "hunspell";
    const fs::path output = dir() / "bin";
    fs::create_directories(output);
    if (!gw::test::onlyAmericanHunspell(hunspell))
        GTEST_SKIP() << "hunspell-en-us not installed";
    std::ofstream(output / "sscefr1.clx") << "left from an earlier build";
    const std::string command = (gw::test::programDir() / "make_lexicons").string() + " " + output.string()
        + " " + hunspell.string() + " " + (dir() / "no-mythes").string() + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto installed = installedDictionaries(output);
    EXPECT_EQ(installed,
        (std::array<bool, DictionaryLanguageCount> {
            true, false, false, false, false, false, false, false }));
    EXPECT_EQ(installedThesauri(output), (std::array<bool, ThesaurusCount> { false, false }));
    EXPECT_EQ(settleDictionaryType(5, installed), 1);
    auto session = SpellCheckSession::open(output, output, 1, "Engl");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("crossword"));
}

} // namespace
