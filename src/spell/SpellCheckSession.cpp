#include "spell/SpellCheckSession.h"

#include "spell/Dictionaries.h"
#include "spell/Ssce.h"

#include <array>
#include <system_error>
#include <utility>

namespace gw::spell {

namespace {

Failure missingDictionary()
{
    return { "Error", "Could not find one of the dictionary files." };
}

} // namespace

Result<SpellCheckSession> SpellCheckSession::open(const std::filesystem::path &directory,
    const std::filesystem::path &userDirectory, int dictionaryType, std::string_view userStem)
{
    const auto language = dictionaryLanguage(dictionaryType);
    if (!language)
        return missingDictionary();
    SpellCheckSession session;
    session.m_session = SSCE_OpenSession();
    if (session.m_session < 0)
        return missingDictionary();
    // User lexicons that cannot be read are passed over; the main ones must open.
    for (const std::string &name : { excludeLexiconName(userStem), includeLexiconName(userStem) }) {
        std::error_code error;
        const std::filesystem::path file = userDirectory / name;
        if (userStem.empty() || !std::filesystem::is_regular_file(file, error))
            continue;
        const std::int16_t lexicon = SSCE_OpenLex(session.m_session, file.c_str(), SsceOpenToRead);
        if (lexicon < 0)
            continue;
        session.m_lexicons.push_back(lexicon);
        // A file under a user lexicon's name that holds something else must not stand in for
        // the main lexicons.
        std::int16_t format = 0;
        SSCE_GetLexInfo(session.m_session, lexicon, nullptr, &format);
        if (format != SsceIncludeLexicon && format != SsceExcludeLexicon) {
            SSCE_CloseLex(session.m_session, lexicon);
            session.m_lexicons.pop_back();
        }
    }
    for (const std::string_view name : { language->mainLexicon, language->compressedLexicon }) {
        const std::int16_t lexicon
            = SSCE_OpenLex(session.m_session, (directory / name).c_str(), SsceOpenToRead);
        if (lexicon < 0)
            return missingDictionary(); // session's destructor closes what was opened
        session.m_lexicons.push_back(lexicon);
    }
    return session;
}

SpellCheckSession::SpellCheckSession(SpellCheckSession &&other) noexcept
    : m_session(std::exchange(other.m_session, -1))
    , m_lexicons(std::move(other.m_lexicons))
{ }

SpellCheckSession &SpellCheckSession::operator=(SpellCheckSession &&other) noexcept
{
    if (this != &other) {
        close();
        m_session = std::exchange(other.m_session, -1);
        m_lexicons = std::move(other.m_lexicons);
    }
    return *this;
}

SpellCheckSession::~SpellCheckSession()
{
    close();
}

void SpellCheckSession::close()
{
    if (m_session < 0)
        return;
    for (const std::int16_t lexicon : m_lexicons)
        SSCE_CloseLex(m_session, lexicon);
    SSCE_CloseSession(m_session);
    m_session = -1;
    m_lexicons.clear();
}

bool SpellCheckSession::accepted(std::string_view word) const
{
    std::array<char, SsceWordCapacity + 1> text {};
    word.copy(text.data(), SsceWordCapacity);
    std::array<char, SsceReplacementBufferSize> replacement {};
    const std::int16_t result = SSCE_CheckWord(
        m_session, SsceAcceptDigitWords, text.data(), replacement.data(), std::int16_t(replacement.size()));
    return result >= 0 && !(result & SsceMisspelled);
}

std::vector<std::string> SpellCheckSession::suggestions(std::string_view word) const
{
    std::array<char, SsceWordCapacity + 1> text {};
    word.copy(text.data(), SsceWordCapacity);
    std::array<char, SsceSuggestionBufferSize> buffer {};
    std::array<std::int16_t, SsceScoreCount> scores {};
    if (SSCE_Suggest(m_session, text.data(), -1, buffer.data(), std::int32_t(buffer.size()), scores.data(),
            std::int16_t(scores.size()))
        < 0)
        return {};
    // Words up to the empty word; the last byte of the buffer always ends the list.
    buffer.back() = '\0';
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < buffer.size() && buffer[at] != '\0') {
        const std::string word(buffer.data() + at);
        at += word.size() + 1;
        found.push_back(word);
    }
    return found;
}

} // namespace gw::spell
