#include "SpellTestSupport.h"
#include "model/Settings.h"
#include "spell/SpellingSetup.h"

#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace gw::spell {
namespace {

// A program directory holding only the named files (empty: only their presence counts).
class SpellingSetupTest : public test::ScratchFolderTest
{
protected:
    void install(std::initializer_list<const char *> files)
    {
        for (const char *file : files)
            std::ofstream(dir() / file).put('\0');
    }

    SpellingSetup settle(int dictionary, int thesaurus)
    {
        m_settings.dictionary = dictionary;
        m_settings.thesaurus = thesaurus;
        return settleSpelling(m_settings, dir());
    }

    model::Settings m_settings;
};

// With nothing installed nothing is usable.  British alone cannot stand in for American: a
// stored 1 settles to 0, nothing is usable, and the user lexicons keep the American names.
TEST_F(SpellingSetupTest, BritishAloneSettlesAmericanToNone)
{
    const SpellingSetup none = settle(4, 1);
    EXPECT_FALSE(none.anyDictionary());
    EXPECT_FALSE(none.anyThesaurus());
    EXPECT_EQ(none.userStem, "Engl");
    install({ "sscebr1.clx", "sscebr.tlx", "thesdbbr.cth" });
    const SpellingSetup setup = settle(1, 2);
    EXPECT_EQ(m_settings.dictionary, 0);
    EXPECT_TRUE(setup.dictionaries[1]);
    EXPECT_FALSE(setup.dictionaries[0]);
    EXPECT_TRUE(setup.anyDictionary());
    EXPECT_EQ(setup.userStem, "Engl");
    EXPECT_EQ(m_settings.thesaurus, 2);

    settle(2, 1);
    EXPECT_EQ(m_settings.dictionary, 2);
    EXPECT_EQ(m_settings.thesaurus, 0);
}

// The user lexicons follow the settled type for the whole run: Engl for 9 whatever language is
// chosen later, the language's own stem otherwise; a missing or unknown language falls back to
// American.
TEST_F(SpellingSetupTest, UserLexiconStemFollowsTheSettledType)
{
    install({ "ssceam1.clx", "sscege1.clx", "thesdbam.cth" });
    EXPECT_EQ(settle(9, 3).userStem, "Engl");
    EXPECT_EQ(m_settings.dictionary, 9);
    EXPECT_EQ(m_settings.thesaurus, 3);
    EXPECT_EQ(settle(6, 2).userStem, "Germ");
    EXPECT_EQ(m_settings.thesaurus, 1);
    EXPECT_EQ(settle(5, 1).userStem, "Engl");
    EXPECT_EQ(m_settings.dictionary, 1);
    settle(42, 1); // outside the table
    EXPECT_EQ(m_settings.dictionary, 1);
}

} // namespace
} // namespace gw::spell
