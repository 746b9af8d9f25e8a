#pragma once

#include "platform/Failure.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::spell {

// One row of the word list editor as the spell check reads it; Windows-1252.
struct SpellRow
{
    std::string word;
    std::string clue;
};

// What the user made of a text the dictionary does not accept.
struct UnknownAnswer
{
    enum class Kind { Ignore, Replace, Abort };
    Kind kind = Kind::Ignore;
    std::string replacement; // for Replace
};

// The steps the walk leaves to its caller: the engine's verdict and suggestions, the
// suggestions window, the notice for a text without suggestions, and writing a replaced text
// back into row 1..n.
struct SpellWalkSteps
{
    std::function<bool(std::string_view text)> accepted;
    std::function<std::vector<std::string>(std::string_view text)> suggestions;
    std::function<UnknownAnswer(const std::string &text, const std::vector<std::string> &suggestions)> choose;
    std::function<void(const std::string &text)> noSuggestions;
    std::function<void(int row, const std::string &word)> replaceWord;
    std::function<void(int row, const std::string &clue)> replaceClue;
};

enum class WalkEnd { AllFound, Complete, Aborted };

// The spell check of the word list: the trimmed words first (only when checkWords: a stored
// puzzle's words stand in its grid), then every clue token by token; a clue with a replaced
// token is joined again.  Replacements are cut to the word's and the clue's capacity.  Abort
// ends the whole walk.
WalkEnd walkWordsAndClues(const std::vector<SpellRow> &rows, bool checkWords, const SpellWalkSteps &steps);

// The closing message: "Spelling Ok" when every text was found, else "Spelling Status".
Notice walkReport(WalkEnd end);

// The notice for an unknown text without suggestions.
Notice noSuggestionsNotice(std::string_view text);

} // namespace gw::spell
