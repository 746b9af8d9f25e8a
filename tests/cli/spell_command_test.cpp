#include "model/CollectionFile.h"
#include "platform/Windows1252.h"
#include "spell/Dictionaries.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

using gw::test::Outcome;
using gw::test::runCli;

bool installed(int type)
{
    return gw::spell::installedDictionaries(GW_PROGRAM_DIR)[std::size_t(type - 1)];
}

class SpellCommandTest : public gw::test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        auto record = gw::test::puzzleWithWords({ "RECIEVE", "GARDEN", "ETE" });
        record->clues[0].assign("A wrod for get (informal)");
        record->clues[1].assign("Big, red dgo");
        record->clues[2].assign(gw::utf8ToWindows1252("Où on boit un café"));
        ASSERT_TRUE(gw::model::savePuzzle(collection(), *record, true, 0, 0));
    }
    std::string collection() const { return path("spell.ZP3"); }
};

// One line per text not accepted, words first, then the clue tokens, each with its first
// suggestion.
TEST_F(SpellCommandTest, ListsUnknownWordsAndClueTokensWithTheFirstSuggestion)
{
    if (!installed(1))
        GTEST_SKIP() << "American dictionary not installed";
    const Outcome run = runCli("spell " + collection() + " 0");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
        "word 1: RECIEVE -> RECEIVE\n"
        "word 3: ETE -> TEE\n"
        "clue 1: wrod -> word\n"
        "clue 2: dgo -> dog\n"
        "clue 3: Où -> O\n"
        "clue 3: boit -> obit\n"
        "clue 3: un -> UN\n"
        "clue 3: café -> cafe\n");
}

TEST_F(SpellCommandTest, RefusesBadArguments)
{
    for (const char *arguments : { "", " 0 --dictionary 9", " 0 --dictionary x", " 7" })
        EXPECT_NE(runCli("spell " + collection() + arguments).status, 0) << arguments;
    EXPECT_NE(runCli("thesaurus").status, 0);
    const Outcome chooser = runCli("thesaurus happy --thesaurus 3");
    EXPECT_NE(chooser.status, 0);
    EXPECT_NE(chooser.out.find("the thesaurus must be 1 (American) or 2 (British)"), std::string::npos);
}

TEST(ThesaurusCommand, PrintsCategoriesAntonymsAndSynonymsOrSimilarWords)
{
    if (!gw::spell::installedThesauri(GW_PROGRAM_DIR)[0])
        GTEST_SKIP() << "American thesaurus not installed";
    const Outcome known = runCli("thesaurus happy");
    EXPECT_EQ(known.status, 0);
    // The meanings themselves are the thesaurus engine's test; here the three parts and their form.
    EXPECT_EQ(known.out.rfind("categories:\n  happy (adjective)\n", 0), 0u) << known.out;
    EXPECT_NE(
        known.out.find("\nantonyms:\n  unhappy (adjective)\nsynonyms of happy (adjective):\n  blessed\n"),
        std::string::npos);
    const Outcome unknown = runCli("thesaurus hapy");
    EXPECT_EQ(unknown.status, 0);
    EXPECT_EQ(unknown.out.rfind("\"hapy\" is not in the thesaurus\nsimilar words:\n", 0), 0u) << unknown.out;
    EXPECT_NE(unknown.out.find("\n  happy\n"), std::string::npos);
}

} // namespace
