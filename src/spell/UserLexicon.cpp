#include "spell/UserLexicon.h"

#include "spell/Ssce.h"

#include <system_error>

namespace gw::spell {

namespace {

Failure unreadable(const std::filesystem::path &file)
{
    return { "Error", "Could not read the dictionary file " + file.filename().string() + "." };
}

Failure unwritable(const std::filesystem::path &file)
{
    return { "Disk Error", "Could not write the dictionary file " + file.filename().string() + "." };
}

bool fileExists(const std::filesystem::path &file)
{
    std::error_code error;
    return std::filesystem::exists(file, error);
}

// A session that closes itself, with at most one lexicon.
class ShortSession
{
public:
    ShortSession()
        : m_session(SSCE_OpenSession())
    { }
    ~ShortSession()
    {
        if (m_lexicon >= 0)
            SSCE_CloseLex(m_session, m_lexicon);
        if (m_session >= 0)
            SSCE_CloseSession(m_session);
    }
    ShortSession(const ShortSession &) = delete;
    ShortSession &operator=(const ShortSession &) = delete;

    std::int16_t session() const { return m_session; }
    std::int16_t lexicon() const { return m_lexicon; }
    void setLexicon(std::int16_t lexicon) { m_lexicon = lexicon; }

private:
    std::int16_t m_session;
    std::int16_t m_lexicon = -1;
};

bool addWords(const ShortSession &session, const std::vector<std::string> &words)
{
    for (const std::string &word : words)
        if (!word.empty() && SSCE_AddToLex(session.session(), session.lexicon(), word.c_str(), "") < 0)
            return false;
    return true;
}

} // namespace

Result<std::vector<std::string>> readUserLexicon(const std::filesystem::path &file)
{
    if (!fileExists(file))
        return std::vector<std::string> {};
    ShortSession session;
    session.setLexicon(SSCE_OpenLex(session.session(), file.c_str(), SsceOpenToRead));
    std::int16_t format = 0;
    const std::int32_t size = SSCE_GetLexInfo(session.session(), session.lexicon(), nullptr, &format);
    if (size < 0 || (format != SsceIncludeLexicon && format != SsceExcludeLexicon))
        return unreadable(file);
    std::string buffer(std::size_t(size), '\0');
    const std::int32_t read = SSCE_GetLex(session.session(), session.lexicon(), buffer.data(), size);
    if (read < 0)
        return unreadable(file);
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < std::size_t(read)) {
        const std::string word(buffer.c_str() + at);
        if (!word.empty())
            words.push_back(word);
        at += word.size() + 1;
    }
    return words;
}

Status writeUserLexicon(const std::filesystem::path &file, std::int16_t kind, std::int16_t languageId,
    const std::vector<std::string> &words)
{
    std::error_code error;
    std::filesystem::remove(file, error);
    ShortSession session;
    session.setLexicon(SSCE_CreateLex(session.session(), file.c_str(), kind, languageId));
    if (session.lexicon() < 0 || !addWords(session, words))
        return unwritable(file);
    return ok();
}

Status addToIncludeLexicon(const std::filesystem::path &file, std::int16_t languageId, std::string_view word)
{
    ShortSession session;
    if (fileExists(file))
        session.setLexicon(SSCE_OpenLex(session.session(), file.c_str(), SsceOpenToAdd));
    else
        session.setLexicon(SSCE_CreateLex(session.session(), file.c_str(), SsceIncludeLexicon, languageId));
    if (session.lexicon() < 0 || !addWords(session, { std::string(word) }))
        return unwritable(file);
    return ok();
}

} // namespace gw::spell
