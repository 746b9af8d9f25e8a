#include "spell/ThesaurusLookup.h"

#include "spell/CategoryText.h"
#include "spell/Dictionaries.h"
#include "spell/ThesDb.h"

#include <algorithm>
#include <array>

namespace gw::spell {

namespace {

using Buffer = std::array<char, ThesBufferSize>;

std::string text(const Buffer &buffer)
{
    // The engine always ends what it writes with a zero byte within the buffer.
    return std::string(buffer.data(), std::find(buffer.begin(), buffer.end(), '\0'));
}

// Collects what a first/next pair of calls gives, while they give 1.
template <typename First, typename Next> std::vector<std::string> collect(First first, Next next)
{
    std::vector<std::string> words;
    Buffer buffer {};
    if (first(buffer) != 1)
        return words;
    do
        words.push_back(text(buffer));
    while (next(buffer) == 1);
    return words;
}

} // namespace

ThesaurusLookup::ThesaurusLookup(std::int16_t session, std::int16_t thesaurus)
    : m_session(session)
    , m_thesaurus(thesaurus)
{ }

ThesaurusLookup::~ThesaurusLookup()
{
    ThesDB_CloseThesaurus(m_session, m_thesaurus);
    ThesDB_CloseSession(m_session);
}

Result<std::unique_ptr<ThesaurusLookup>> ThesaurusLookup::open(
    const std::filesystem::path &programDirectory, int type)
{
    const Failure missing { "Error", "Could not find the Thesaurus file." };
    const std::int16_t session = ThesDB_OpenSession();
    if (session <= 0)
        return missing;
    const std::string file(thesaurusFile(type));
    const std::int16_t thesaurus = file.empty()
        ? ThesFileError
        : ThesDB_OpenThesaurus(session, (programDirectory / file).string().c_str());
    if (thesaurus < 0) {
        ThesDB_CloseSession(session);
        return missing;
    }
    return std::unique_ptr<ThesaurusLookup>(new ThesaurusLookup(session, thesaurus));
}

std::optional<Meanings> ThesaurusLookup::lookUp(std::string_view word)
{
    const std::string looked(word);
    Buffer category {};
    if (ThesDB_GetFirstCategory(m_session, looked.c_str(), category.data(), ThesBufferSize) == 0)
        return std::nullopt;
    Meanings meanings;
    do {
        Buffer antonym {};
        if (ThesDB_GetCategoryAntonym(m_session, category.data(), antonym.data(), ThesBufferSize) == 1) {
            const std::string shown
                = categoryDisplayTextOf(antonym.data()).substr(0, Meanings::AntonymCapacity);
            if (meanings.antonyms.size() < Meanings::MaxAntonyms
                && std::ranges::find(meanings.antonyms, shown) == meanings.antonyms.end())
                meanings.antonyms.push_back(shown);
        }
        meanings.categories.push_back(categoryDisplayTextOf(category.data()));
    } while (ThesDB_GetNextCategory(m_session, category.data(), ThesBufferSize) != 0);
    return meanings;
}

std::vector<std::string> ThesaurusLookup::synonyms(std::string_view categoryText)
{
    const std::string query = categoryLookupText(categoryText);
    return collect(
        [&](Buffer &buffer) {
            return ThesDB_GetFirstSynonym(m_session, query.c_str(), buffer.data(), ThesBufferSize);
        },
        [&](Buffer &buffer) { return ThesDB_GetNextSynonym(m_session, buffer.data(), ThesBufferSize); });
}

std::vector<std::string> ThesaurusLookup::suggestions(std::string_view word)
{
    const std::string looked(word);
    return collect(
        [&](Buffer &buffer) {
            return ThesDB_GetFirstSuggestion(m_session, looked.c_str(), buffer.data(), ThesBufferSize);
        },
        [&](Buffer &buffer) { return ThesDB_GetNextSuggestion(m_session, buffer.data(), ThesBufferSize); });
}

} // namespace gw::spell
