#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the spell check reads a clue: split into tokens, each checked on its own, and joined
// back when one was replaced.  Shared by the word list editor's check and gridwright-cli.
namespace gw::spell {

constexpr int MaxClueTokens = 50;

// The 17 characters that stand as tokens of their own: " ( ) + , - . / : ; < = > ? \ { }
constexpr std::string_view CluePunctuation = "\"()+,-./:;<=>?\\{}";

bool isCluePunctuation(char c);

// Tokens 1..k of the trimmed clue, empty ones included: a punctuation character is a token
// of its own, a blank ends a token.  "Big, red dog" gives "Big", ",", "", "red", "dog".  The
// 50th token takes the rest of the clue as it stands, so no text is lost.
std::vector<std::string> splitClueTokens(std::string_view clue);

// The text the spell check looks up for a token: the token without its punctuation
// characters.  Empty means nothing to check.
std::string tokenCheckText(std::string_view token);

// What a token becomes when its checked text is replaced: the token's leading punctuation
// character in front of the replacement, and a trailing one (of a token longer than one
// character) after it.
std::string replacedToken(std::string_view token, std::string_view replacement);

// Every token followed by one blank, empty ones too, the whole trimmed: "Big ,  red cat".
std::string joinClueTokens(const std::vector<std::string> &tokens);

} // namespace gw::spell
