#include "SpellTestSupport.h"
#include "ThesaurusFile.h"
#include "spell/CategoryText.h"
#include "spell/LexiconFile.h"
#include "spell/ThesDb.h"
#include "spell/ThesaurusLookup.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace gw::spell;
using gw::test::programDir;
using gw::test::SmallThesaurus;
using Words = std::vector<std::string>;

using ThesaurusEngine = gw::test::ScratchFolderTest;

class SmallThesaurusTest : public gw::test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        ASSERT_TRUE(gw::test::writeThesaurusFile(dir() / "thesdbam.cth", SmallThesaurus));
        m_session = ThesDB_OpenSession();
        ASSERT_GT(m_session, 0);
        ASSERT_GE(ThesDB_OpenThesaurus(m_session, (dir() / "thesdbam.cth").c_str()), 0);
    }
    void TearDown() override
    {
        ThesDB_CloseSession(m_session);
        ScratchFolderTest::TearDown();
    }

    std::int16_t m_session = -1;
};

// The lookup window's gathering: an antonym category reached from two meanings is listed once.
// What the window cannot show: the search without regard to case, a verb meaning, and misses.
TEST_F(SmallThesaurusTest, AnAntonymReachedTwiceIsListedOnce)
{
    auto lookup = ThesaurusLookup::open(dir(), 1);
    ASSERT_TRUE(lookup);
    const auto meanings = (*lookup)->lookUp("light");
    ASSERT_TRUE(meanings);
    EXPECT_EQ(meanings->categories, (Words { "pale (adjective)", "bright (adjective)", "lamp (noun)" }));
    EXPECT_EQ(meanings->antonyms, (Words { "dark (adjective)" }));
    EXPECT_EQ((*lookup)->synonyms("bright (adjective)"), (Words { "bright", "luminous" }));
    EXPECT_FALSE((*lookup)->lookUp("ligth"));
    EXPECT_EQ((*lookup)->suggestions("ligth").front(), "light");
    EXPECT_EQ((*lookup)->lookUp("BRIGHT").value_or(Meanings {}).categories.size(), 4u);
    EXPECT_EQ((*lookup)->synonyms("dull (verb)"), (Words { "blunt", "dampen" }));
    EXPECT_TRUE((*lookup)->synonyms("nothing (noun)").empty());
}

TEST_F(SmallThesaurusTest, BuffersAreNeverOverrun)
{
    constexpr char Guard = '\x7F';
    for (const int size : { 1, 2, 4, 6 }) {
        std::array<char, 16> buffer;
        buffer.fill(Guard);
        ASSERT_EQ(ThesDB_GetFirstCategory(m_session, "bright", buffer.data(), size), 1);
        EXPECT_EQ(std::string(buffer.data()), std::string("smart.adj").substr(0, std::size_t(size - 1)));
        EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](char c) { return c == Guard; }));
        std::uint32_t code = 0;
        buffer.fill(Guard);
        ASSERT_EQ(ThesDB_SplitCategoryName("shining.adj", buffer.data(), size, &code), 1);
        EXPECT_EQ(std::string(buffer.data()), std::string("shining").substr(0, std::size_t(size - 1)));
        EXPECT_EQ(code, ThesAdjective);
        EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](char c) { return c == Guard; }));
    }
    char none = Guard;
    EXPECT_EQ(ThesDB_GetFirstCategory(m_session, "bright", &none, 0), 0);
    EXPECT_EQ(none, Guard);
}

TEST_F(ThesaurusEngine, UnknownHandlesAndFilesAreRefused)
{
    std::array<char, ThesBufferSize> buffer {};
    for (const std::int16_t bad : { std::int16_t(0), std::int16_t(17) }) {
        EXPECT_LT(ThesDB_OpenThesaurus(bad, "thesdbam.cth"), 0);
        EXPECT_EQ(ThesDB_GetFirstCategory(bad, "happy", buffer.data(), ThesBufferSize), 0);
        EXPECT_EQ(ThesDB_GetNextCategory(bad, buffer.data(), ThesBufferSize), 0);
        EXPECT_EQ(ThesDB_GetFirstSynonym(bad, "happy.adj", buffer.data(), ThesBufferSize), 0);
        EXPECT_EQ(ThesDB_GetFirstSuggestion(bad, "hapy", buffer.data(), ThesBufferSize), 0);
        EXPECT_EQ(ThesDB_CloseThesaurus(bad, 0), ThesBadSession);
        EXPECT_EQ(ThesDB_CloseSession(bad), ThesBadSession);
    }
    const std::int16_t session = ThesDB_OpenSession();
    ASSERT_GT(session, 0);
    EXPECT_EQ(ThesDB_OpenThesaurus(session, "/nonexistent/thesdbam.cth"), ThesFileError);
    EXPECT_EQ(ThesDB_OpenThesaurus(session, (programDir() / "ZPFLAY.DAT").c_str()), ThesFileError);
    EXPECT_EQ(ThesDB_CloseThesaurus(session, 0), ThesBadThesaurus);
    EXPECT_EQ(ThesDB_GetFirstCategory(session, "happy", buffer.data(), ThesBufferSize), 0); // nothing open
    EXPECT_EQ(ThesDB_CloseSession(session), 0);
    EXPECT_EQ(ThesDB_CloseSession(session), ThesBadSession);
    EXPECT_FALSE(ThesaurusLookup::open(programDir() / "nowhere", 1));
}

// The thesaurus library follows the index blindly: an index that does not agree with its data
// is refused before the library sees it.
TEST_F(ThesaurusEngine, AnIndexThatDisagreesWithItsDataIsRefused)
{
    const std::string data = "UTF-8\nbright|1\n(adj)|smart\n";
    EXPECT_TRUE(thesaurusSectionsConsistent("UTF-8\n1\nbright|6\n", data));
    EXPECT_FALSE(thesaurusSectionsConsistent("UTF-8\n1\nbright|60\n", data)); // past the data
    EXPECT_FALSE(thesaurusSectionsConsistent("UTF-8\n1\nbright|13\n", data)); // at a meaning line
    EXPECT_FALSE(thesaurusSectionsConsistent("UTF-8\n0\nbright|6\n", data)); // no entries
    EXPECT_FALSE(thesaurusSectionsConsistent("\n1\nbright|6\n", data));
    EXPECT_FALSE(thesaurusSectionsConsistent("UTF-8\n1\nbright|6\n", "UTF-8\nbright|99999999\n"));
    EXPECT_FALSE(thesaurusSectionsConsistent("UTF-8\n1\n" + std::string(300, 'a') + "|6\n", data));

    ASSERT_TRUE(writeLexiconFile(
        dir() / "thesdbam.cth", { LexiconKindThesaurus, 0, "UTF-8", { "UTF-8\n1\nbright|60\n", data } }));
    const std::int16_t session = ThesDB_OpenSession();
    EXPECT_EQ(ThesDB_OpenThesaurus(session, (dir() / "thesdbam.cth").c_str()), ThesFileError);
    ThesDB_CloseSession(session);
}

TEST_F(ThesaurusEngine, TheBritishThesaurusIsReadInItsOwnEncoding)
{
    if (!installedThesauri(programDir())[1])
        GTEST_SKIP() << "British thesaurus not installed (mythes-en-au missing)";
    auto lookup = ThesaurusLookup::open(programDir(), 2);
    ASSERT_TRUE(lookup);
    const auto meanings = (*lookup)->lookUp("colour");
    ASSERT_TRUE(meanings);
    EXPECT_FALSE((*lookup)->synonyms(meanings->categories.front()).empty());
}

} // namespace
