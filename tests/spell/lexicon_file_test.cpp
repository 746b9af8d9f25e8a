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
    EXPECT_FALSE(parseLexiconFile(good.substr(0, LexiconHeaderSize - 1)));
    for (std::size_t cut = LexiconHeaderSize; cut < good.size(); ++cut)
        EXPECT_FALSE(parseLexiconFile(good.substr(0, cut))) << cut;
    EXPECT_FALSE(parseLexiconFile(good + "x"));
    const std::pair<std::size_t, char> damages[] = {
        { 0, 'X' }, { 4, 2 }, // version
        { 5, 2 }, // kind
        { 24, 0 }, // no sections
        { 24, 5 }, // more than allowed
        { LexiconHeaderSize + 3, '\xFF' }, // first section far longer than the file
    };
    for (const auto &[at, byte] : damages) {
        std::string bad = good;
        bad[at] = byte;
        EXPECT_FALSE(parseLexiconFile(bad)) << at;
    }
    EXPECT_EQ(parseLexiconFile("GWLX").error().caption, "Error");
}

} // namespace
