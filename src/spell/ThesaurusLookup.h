#pragma once

#include "platform/Failure.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::spell {

// The meanings of one word: its categories and the antonym categories reached from them, each
// as display text, in the thesaurus's order.
struct Meanings
{
    static constexpr std::size_t MaxAntonyms = 25;
    static constexpr std::size_t AntonymCapacity = 50; // characters kept of an antonym

    std::vector<std::string> categories;
    std::vector<std::string> antonyms; // no two equal
};

// One thesaurus engine session with one thesaurus open, held while the lookup window is open.
// Texts are Windows-1252.
class ThesaurusLookup
{
public:
    // Opens the thesaurus file of type 1 (American) or 2 (British) in the program directory;
    // fails with "Could not find the Thesaurus file." having closed the session.
    static Result<std::unique_ptr<ThesaurusLookup>> open(
        const std::filesystem::path &programDirectory, int type);

    ~ThesaurusLookup();
    ThesaurusLookup(const ThesaurusLookup &) = delete;
    ThesaurusLookup &operator=(const ThesaurusLookup &) = delete;

    // The word's meanings; nothing when the thesaurus does not know the word.
    std::optional<Meanings> lookUp(std::string_view word);
    // The synonyms of a category given as display text, in order.
    std::vector<std::string> synonyms(std::string_view categoryText);
    // Words of the thesaurus that look like word, for a word it does not know.
    std::vector<std::string> suggestions(std::string_view word);

private:
    ThesaurusLookup(std::int16_t session, std::int16_t thesaurus);

    std::int16_t m_session;
    std::int16_t m_thesaurus;
};

} // namespace gw::spell
