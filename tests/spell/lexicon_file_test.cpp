#include "spell/Dictionaries.h"
#include "spell/LexiconFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace gw::spell;

std::string sampleBytes()
{
    return lexiconFileBytes({ LexiconKindThesaurus, 1033, "UTF-8", { "index", std::string("da\0ta", 5) } });
}

TEST(LexiconFile, RoundTripsItsHeaderAndSections)
{
    const std::string bytes = sampleBytes();
    ASSERT_EQ(bytes.size(), LexiconHeaderSize + 4 + 5 + 4 + 5);
    EXPECT_EQ(bytes.substr(0, 8), std::string("GWLX\x01\x07\x09\x04", 8));
    const auto lexicon = parseLexiconFile(bytes);
    ASSERT_TRUE(lexicon);
    EXPECT_EQ(int(lexicon->kind), int(LexiconKindThesaurus));
    EXPECT_EQ(lexicon->language, 1033);
    EXPECT_EQ(lexicon->encoding, "UTF-8");
    EXPECT_EQ(lexicon->sections, (std::vector<std::string> { "index", std::string("da\0ta", 5) }));
}

// Lexicon files come from the program directory and the user: every damaged form is refused.
TEST(LexiconFile, RefusesDamagedFiles)
{
    const std::string good = sampleBytes();
    EXPECT_FALSE(parseLexiconFile(""));
    EXPECT_FALSE(parseLexiconFile(good.substr(0, LexiconHeaderSize - 1)));
    for (std::size_t cut = LexiconHeaderSize; cut < good.size(); ++cut)
        EXPECT_FALSE(parseLexiconFile(good.substr(0, cut))) << cut;
    EXPECT_FALSE(parseLexiconFile(good + "x"));
    std::string bad = good;
    bad[0] = 'X';
    EXPECT_FALSE(parseLexiconFile(bad));
    bad = good;
    bad[4] = 2; // version
    EXPECT_FALSE(parseLexiconFile(bad));
    bad = good;
    bad[5] = 2; // kind
    EXPECT_FALSE(parseLexiconFile(bad));
    bad = good;
    bad[24] = 0; // no sections
    EXPECT_FALSE(parseLexiconFile(bad));
    bad = good;
    bad[24] = 5; // more than allowed
    EXPECT_FALSE(parseLexiconFile(bad));
    bad = good;
    bad[LexiconHeaderSize + 3] = '\xFF'; // first section far longer than the file
    EXPECT_FALSE(parseLexiconFile(bad));
    EXPECT_EQ(parseLexiconFile("GWLX").error().caption, "Error");
}

TEST(LexiconFile, WordSectionsAreRunsOfNonZeroBytes)
{
    EXPECT_EQ(lexiconWordSection({ "a", "", "bc" }), std::string("a\0bc\0", 5));
    EXPECT_EQ(lexiconWords(std::string("a\0\0bc", 5)), (std::vector<std::string> { "a", "bc" }));
    EXPECT_TRUE(lexiconWords("").empty());
}

// Types outside 1..8 name no language; 9 (chosen per check) and none use the English user lexicons.
TEST(Dictionaries, TypesOutsideTheTableNameNoLanguage)
{
    EXPECT_FALSE(dictionaryLanguage(0));
    EXPECT_FALSE(dictionaryLanguage(9));
    EXPECT_EQ(userLexiconStem(9), "Engl");
    EXPECT_EQ(userLexiconStem(0), "");
}

TEST(Dictionaries, SettlingFallsBackToAmericanThenToNone)
{
    std::array<bool, DictionaryLanguageCount> installed {};
    installed[1] = true; // British only
    EXPECT_EQ(settleDictionaryType(1, installed), 0); // British installed, yet nothing usable
    EXPECT_EQ(settleDictionaryType(2, installed), 2);
    EXPECT_EQ(settleDictionaryType(9, installed), 9);
    installed[0] = true;
    EXPECT_EQ(settleDictionaryType(5, installed), 1);
    EXPECT_EQ(settleDictionaryType(0, installed), 1);
    EXPECT_EQ(settleDictionaryType(42, installed), 1);
    EXPECT_EQ(settleThesaurusType(2, { true, false }), 1);
    EXPECT_EQ(settleThesaurusType(2, { false, false }), 0);
    EXPECT_EQ(settleThesaurusType(3, { false, false }), 3);
    EXPECT_EQ(settleThesaurusType(2, { false, true }), 2);
}

} // namespace
