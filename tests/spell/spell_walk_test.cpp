#include "spell/SpellWalk.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace gw::spell {
namespace {

// A dictionary of known words and canned suggestions, and a user who answers from a script;
// what the walk asked and wrote is kept.
struct ScriptedWalk
{
    std::set<std::string> known;
    std::map<std::string, std::vector<std::string>> suggested;
    std::vector<UnknownAnswer> answers;
    std::vector<std::string> asked;
    std::vector<std::string> notices;
    std::map<int, std::string> words;
    std::map<int, std::string> clues;

    SpellWalkSteps steps()
    {
        SpellWalkSteps steps;
        steps.accepted = [this](std::string_view text) { return known.contains(std::string(text)); };
        steps.suggestions = [this](std::string_view text) { return suggested[std::string(text)]; };
        steps.choose = [this](const std::string &text, const std::vector<std::string> &) {
            asked.push_back(text);
            if (answers.empty())
                return UnknownAnswer {};
            UnknownAnswer next = answers.front();
            answers.erase(answers.begin());
            return next;
        };
        steps.noSuggestions = [this](const std::string &text) { notices.push_back(text); };
        steps.replaceWord = [this](int row, const std::string &word) { words[row] = word; };
        steps.replaceClue = [this](int row, const std::string &clue) { clues[row] = clue; };
        return steps;
    }
};

UnknownAnswer replaceBy(const std::string &text)
{
    return { UnknownAnswer::Kind::Replace, text };
}

// Words are checked trimmed and only for a new puzzle; every clue is checked in row order after
// all words; an unknown text without suggestions is reported and passed over.
TEST(SpellWalk, WordsThenCluesAndNoticesWithoutSuggestions)
{
    ScriptedWalk walk;
    walk.known = { "pet", "farm" };
    walk.suggested["HORES"] = { "HORSE" };
    walk.suggested["SHEPE"] = { "SHEEP" };
    walk.answers = { replaceBy("HORSE"), {} };
    const std::vector<SpellRow> rows { { "  HORES ", "farm pet" }, { "", "" }, { "SHEPE", "zzxq pet" },
        { "", "   " } };
    EXPECT_EQ(walkWordsAndClues(rows, true, walk.steps()), WalkEnd::Complete);
    EXPECT_EQ(walk.asked, (std::vector<std::string> { "HORES", "SHEPE" }));
    EXPECT_EQ(walk.notices, std::vector<std::string> { "zzxq" });
    EXPECT_EQ(walk.words, (std::map<int, std::string> { { 1, "HORSE" } }));
    EXPECT_TRUE(walk.clues.empty());

    ScriptedWalk stored;
    stored.known = { "farm", "pet" };
    EXPECT_EQ(walkWordsAndClues(rows, false, stored.steps()), WalkEnd::Complete);
    EXPECT_TRUE(stored.asked.empty());
    EXPECT_EQ(stored.notices, std::vector<std::string> { "zzxq" });
}

// Abort stops everything at once, yet a replacement made earlier in the same clue is kept.
TEST(SpellWalk, AbortKeepsWhatWasReplaced)
{
    ScriptedWalk walk;
    walk.suggested["teh"] = { "the" };
    walk.suggested["bgi"] = { "big" };
    walk.suggested["later"] = { "latter" };
    walk.answers = { replaceBy("the"), { UnknownAnswer::Kind::Abort, {} } };
    const std::vector<SpellRow> rows { { "", "teh bgi dog" }, { "", "later" } };
    EXPECT_EQ(walkWordsAndClues(rows, true, walk.steps()), WalkEnd::Aborted);
    EXPECT_EQ(walk.asked, (std::vector<std::string> { "teh", "bgi" }));
    EXPECT_EQ(walk.clues, (std::map<int, std::string> { { 1, "the bgi dog" } }));
}

// Replacements never outgrow the record's fields: words hold 30 characters, clues 150.
TEST(SpellWalk, ReplacementsAreCutToTheirCapacity)
{
    ScriptedWalk walk;
    walk.suggested["WROD"] = { "x" };
    walk.suggested["lng"] = { "x" };
    walk.answers = { replaceBy(std::string(40, 'W')), replaceBy(std::string(200, 'l')) };
    const std::vector<SpellRow> rows { { "WROD", "a lng clue" } };
    walk.known = { "a", "clue" };
    walkWordsAndClues(rows, true, walk.steps());
    EXPECT_EQ(walk.words.at(1), std::string(30, 'W'));
    EXPECT_EQ(walk.clues.at(1).size(), 150u);
}

} // namespace
} // namespace gw::spell
