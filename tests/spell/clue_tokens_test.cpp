#include "spell/CategoryText.h"
#include "spell/ClueTokens.h"
#include "spell/ThesDb.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace gw::spell;
using Tokens = std::vector<std::string>;

// The editor's worked example: a blank before the comma and two after it once rebuilt.
TEST(ClueTokens, BigRedDogComesBackWithTheBlanksOfTheRebuild)
{
    Tokens tokens = splitClueTokens("  Big, red dog ");
    EXPECT_EQ(tokens, (Tokens { "Big", ",", "", "red", "dog" }));
    tokens[4] = replacedToken(tokens[4], "cat");
    EXPECT_EQ(joinClueTokens(tokens), "Big ,  red cat");
}

TEST(ClueTokens, EveryPunctuationCharacterStandsAlone)
{
    EXPECT_EQ(splitClueTokens("a(b)c"), (Tokens { "a", "(", "b", ")", "c" }));
    EXPECT_EQ(splitClueTokens("\"Hi\""), (Tokens { "", "\"", "Hi", "\"", "" }));
    // Characters outside the list stay in their word.
    EXPECT_EQ(splitClueTokens("it's fun!"), (Tokens { "it's", "fun!" }));
    EXPECT_EQ(splitClueTokens(""), (Tokens { "" }));
    EXPECT_EQ(tokenCheckText("(dog),"), "dog");
}

TEST(ClueTokens, AReplacementKeepsTheTokensPunctuation)
{
    EXPECT_EQ(replacedToken("(dgo)", "dog"), "(dog)");
    EXPECT_EQ(replacedToken("", "dog"), "dog");
}

// Past the fiftieth token the rest of the clue is kept as it stands, so nothing is lost.
TEST(ClueTokens, AClueNeedingMoreThanFiftyTokensKeepsAllItsText)
{
    std::string clue;
    for (int k = 0; k < 60; ++k)
        clue += "w" + std::to_string(k) + (k % 7 == 3 ? ", " : " ");
    const Tokens tokens = splitClueTokens(clue);
    ASSERT_EQ(tokens.size(), std::size_t(MaxClueTokens));
    const auto withoutBlanks = [](std::string text) {
        std::erase(text, ' ');
        return text;
    };
    EXPECT_EQ(withoutBlanks(joinClueTokens(tokens)), withoutBlanks(clue));
    EXPECT_NE(joinClueTokens(tokens).find("w59,"), std::string::npos);
}

// The four parts of speech are one table; its ends and the texts around it are what can go wrong.
TEST(CategoryText, LabelsAndSuffixesOfTheFourPartsOfSpeech)
{
    EXPECT_EQ(categoryDisplayText("glad", ThesAdjective), "glad (adjective)");
    EXPECT_EQ(categoryDisplayText("oh", 0), "oh");
    EXPECT_EQ(categoryDisplayText("oh", thesPartOfSpeech("int")), "oh");
    EXPECT_EQ(categoryLookupText("glad (adjective)"), "glad.adj");
    // Noun is tried first, then verb, adjective and adverb.
    EXPECT_EQ(categoryLookupText("x (verb) (noun)"), "x (verb).n");
    // A bare category is asked for as it is, not as an adverb of nothing.
    EXPECT_EQ(categoryLookupText("oh"), "oh");
    EXPECT_EQ(categoryDisplayTextOf("glad.adj"), "glad (adjective)");
    EXPECT_EQ(categoryDisplayTextOf("St. Louis"), "St. Louis");
}

} // namespace
