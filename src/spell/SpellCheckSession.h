#pragma once

#include "platform/Failure.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// One spell check run over the spelling engine: the session and its lexicons opened in the
// order the program relies on (exclude, include, main, compressed main), closed in the order
// opened when the object goes.  Used by the word list editor's check and gridwright-cli.
namespace gw::spell {

class SpellCheckSession
{
public:
    // Opens the session for dictionary type 1..8 with the main lexicons of directory and the
    // user lexicons of userStem in userDirectory (skipped when their files do not exist).  Fails with
    // "Error", "Could not find one of the dictionary files." when a main lexicon cannot be opened (or the
    // type is not 1..8); what was opened is closed again.
    static Result<SpellCheckSession> open(const std::filesystem::path &directory,
        const std::filesystem::path &userDirectory, int dictionaryType, std::string_view userStem);

    SpellCheckSession(SpellCheckSession &&other) noexcept;
    SpellCheckSession &operator=(SpellCheckSession &&other) noexcept;
    SpellCheckSession(const SpellCheckSession &) = delete;
    SpellCheckSession &operator=(const SpellCheckSession &) = delete;
    ~SpellCheckSession();

    // A Windows-1252 text of up to 50 characters (longer is checked cut): true when accepted.
    bool accepted(std::string_view word) const;

    // The engine's suggestions for word, best first, read from the 500-byte buffer (empty
    // entries skipped, up to the empty word).  Windows-1252.
    std::vector<std::string> suggestions(std::string_view word) const;

private:
    SpellCheckSession() = default;
    void close();

    std::int16_t m_session = -1;
    std::vector<std::int16_t> m_lexicons; // in the order opened
};

} // namespace gw::spell
