#include "spell/SpellWalk.h"

#include "model/PuzzleRecord.h"
#include "platform/Text.h"
#include "spell/ClueTokens.h"

namespace gw::spell {

namespace {

class Walk
{
public:
    explicit Walk(const SpellWalkSteps &steps)
        : m_steps(steps)
    { }

    // Checks one text; the replacement when the user chose one.
    std::optional<std::string> check(const std::string &text)
    {
        if (m_steps.accepted(text))
            return std::nullopt;
        m_unknown = true;
        const std::vector<std::string> suggestions = m_steps.suggestions(text);
        if (suggestions.empty()) {
            m_steps.noSuggestions(text);
            return std::nullopt;
        }
        UnknownAnswer answer = m_steps.choose(text, suggestions);
        if (answer.kind == UnknownAnswer::Kind::Abort)
            m_aborted = true;
        if (answer.kind != UnknownAnswer::Kind::Replace)
            return std::nullopt;
        return std::move(answer.replacement);
    }

    bool aborted() const { return m_aborted; }
    WalkEnd end() const
    {
        return m_aborted ? WalkEnd::Aborted : m_unknown ? WalkEnd::Complete : WalkEnd::AllFound;
    }

private:
    const SpellWalkSteps &m_steps;
    bool m_unknown = false;
    bool m_aborted = false;
};

} // namespace

WalkEnd walkWordsAndClues(const std::vector<SpellRow> &rows, bool checkWords, const SpellWalkSteps &steps)
{
    Walk walk(steps);
    for (std::size_t i = 0; checkWords && i < rows.size() && !walk.aborted(); ++i) {
        const std::string word(trimmed(rows[i].word));
        if (word.empty())
            continue;
        if (const auto replacement = walk.check(word))
            steps.replaceWord(static_cast<int>(i) + 1, storedText(*replacement, model::WordCapacity));
    }
    for (std::size_t i = 0; i < rows.size() && !walk.aborted(); ++i) {
        if (trimmed(rows[i].clue).empty())
            continue;
        std::vector<std::string> tokens = splitClueTokens(rows[i].clue);
        bool replaced = false;
        for (std::string &token : tokens) {
            const std::string text = tokenCheckText(token);
            if (text.empty())
                continue;
            if (const auto replacement = walk.check(text)) {
                token = replacedToken(token, *replacement);
                replaced = true;
            }
            if (walk.aborted())
                break;
        }
        if (replaced)
            steps.replaceClue(
                static_cast<int>(i) + 1, storedText(joinClueTokens(tokens), model::ClueCapacity));
    }
    return walk.end();
}

Notice walkReport(WalkEnd end)
{
    switch (end) {
    case WalkEnd::AllFound:
        return { "Spelling Ok", "All words were found in the dictionary." };
    case WalkEnd::Complete:
        return { "Spelling Status", "Spell checking complete." };
    case WalkEnd::Aborted:
        break;
    }
    return { "Spelling Status", "Spell checking aborted." };
}

Notice noSuggestionsNotice(std::string_view text)
{
    return { "Notice",
        std::string(text) + " was not found in the dictionary.  No suggestions could be found." };
}

} // namespace gw::spell
