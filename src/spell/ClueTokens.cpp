#include "spell/ClueTokens.h"

#include "platform/Text.h"

namespace gw::spell {

bool isCluePunctuation(char c)
{
    return c != '\0' && CluePunctuation.find(c) != std::string_view::npos;
}

std::vector<std::string> splitClueTokens(std::string_view clue)
{
    std::vector<std::string> tokens(1);
    // Past the last token everything is kept where it is, blanks and punctuation included.
    const auto atLast = [&] { return tokens.size() == std::size_t(MaxClueTokens); };
    const auto nextToken = [&] {
        if (!atLast())
            tokens.emplace_back();
    };
    for (const char c : trimmed(clue)) {
        if (atLast()) {
            tokens.back() += c;
        } else if (isCluePunctuation(c)) {
            nextToken();
            tokens.back() = std::string(1, c);
            nextToken();
        } else if (c == ' ') {
            nextToken();
        } else {
            tokens.back() += c;
        }
    }
    return tokens;
}

std::string tokenCheckText(std::string_view token)
{
    std::string text;
    for (const char c : token)
        if (!isCluePunctuation(c))
            text += c;
    return text;
}

std::string replacedToken(std::string_view token, std::string_view replacement)
{
    std::string result;
    if (!token.empty() && isCluePunctuation(token.front()))
        result += token.front();
    result += replacement;
    if (token.size() > 1 && isCluePunctuation(token.back()))
        result += token.back();
    return result;
}

std::string joinClueTokens(const std::vector<std::string> &tokens)
{
    std::string joined;
    for (const std::string &token : tokens) {
        joined += token;
        joined += ' ';
    }
    return std::string(trimmed(joined));
}

} // namespace gw::spell
