#include "spell/CategoryText.h"

#include "spell/ThesDb.h"

#include <array>

namespace gw::spell {

namespace {

struct PartOfSpeechText
{
    std::uint32_t code;
    std::string_view label; // appended for display
    std::string_view suffix; // appended when asking for synonyms
};

constexpr std::array<PartOfSpeechText, 4> PartsOfSpeech { {
    { ThesAdjective, " (adjective)", ".adj" },
    { ThesAdverb, " (adverb)", ".adv" },
    { ThesNoun, " (noun)", ".n" },
    { ThesVerb, " (verb)", ".v" },
} };

// The order in which labels are tried when a display text is converted back.
constexpr std::array<std::size_t, 4> ConvertBackOrder { 2, 3, 0, 1 };

} // namespace

std::string categoryDisplayText(std::string_view name, std::uint32_t partOfSpeech)
{
    std::string text(name);
    for (const PartOfSpeechText &part : PartsOfSpeech)
        if (part.code == partOfSpeech)
            text += part.label;
    return text;
}

std::string categoryLookupText(std::string_view displayText)
{
    for (const std::size_t index : ConvertBackOrder) {
        const PartOfSpeechText &part = PartsOfSpeech[index];
        if (const std::size_t at = displayText.find(part.label); at != std::string_view::npos)
            return std::string(displayText.substr(0, at)) + std::string(part.suffix);
    }
    return std::string(displayText);
}

std::string categoryDisplayTextOf(const char *category)
{
    std::array<char, ThesBufferSize> name {};
    std::uint32_t partOfSpeech = 0;
    if (ThesDB_SplitCategoryName(category, name.data(), std::int32_t(name.size()), &partOfSpeech) != 1)
        return {};
    return categoryDisplayText(name.data(), partOfSpeech);
}

} // namespace gw::spell
