#include "spell/Ssce.h"

#include "platform/Text.h"
#include "spell/DictionaryEncoding.h"
#include "spell/LexiconFile.h"
#include "spell/MemoryFile.h"
#include "spell/ProgramLexicons.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <hunspell/hunspell.hxx>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gw::spell {

namespace {

constexpr std::size_t MaxSessions = 32;
constexpr std::size_t MaxLexiconsPerSession = 16;

struct OpenLexicon
{
    std::uint8_t kind = 0;
    std::int16_t language = 0;
    std::filesystem::path path;
    bool writable = false;
    std::vector<std::string> words; // user lexicons, Windows-1252, in file order
    std::string rules; // affix rules of a main lexicon, in its own encoding
};

struct Dictionary
{
    std::unique_ptr<Hunspell> hunspell;
    DictionaryEncoding encoding { "UTF-8" };
};

struct Session
{
    std::array<std::optional<OpenLexicon>, MaxLexiconsPerSession> lexicons;
    std::optional<Dictionary> dictionary;
    std::int16_t dictionaryLexicon = -1; // the stems lexicon the dictionary was built from
};

std::array<std::unique_ptr<Session>, MaxSessions> sessions;

Session *findSession(std::int16_t number)
{
    if (number < 1 || std::size_t(number) > MaxSessions)
        return nullptr;
    return sessions[std::size_t(number - 1)].get();
}

OpenLexicon *findLexicon(Session &session, std::int16_t number)
{
    if (number < 0 || std::size_t(number) >= MaxLexiconsPerSession || !session.lexicons[std::size_t(number)])
        return nullptr;
    return &*session.lexicons[std::size_t(number)];
}

bool isUserKind(std::uint8_t kind)
{
    return kind == LexiconKindInclude || kind == LexiconKindExclude;
}

// Case-blind set of the words of the session's open user lexicons of one kind.
bool inUserLexicons(const Session &session, std::uint8_t kind, std::string_view upperWord)
{
    for (const auto &lexicon : session.lexicons)
        if (lexicon && lexicon->kind == kind)
            for (const std::string &word : lexicon->words)
                if (upperCased(word) == upperWord)
                    return true;
    return false;
}

// Lets the dictionary suggest include words and keeps it from suggesting exclude words.
void teachDictionary(Dictionary &dictionary, const OpenLexicon &lexicon)
{
    for (const std::string &word : lexicon.words) {
        const std::string text = dictionary.encoding.fromWindows1252(word);
        if (lexicon.kind == LexiconKindInclude)
            dictionary.hunspell->add(text);
        else if (lexicon.kind == LexiconKindExclude)
            dictionary.hunspell->remove(text);
    }
}

std::int16_t placeLexicon(Session &session, OpenLexicon lexicon)
{
    for (std::size_t k = 0; k < MaxLexiconsPerSession; ++k) {
        if (!session.lexicons[k]) {
            if (session.dictionary && isUserKind(lexicon.kind))
                teachDictionary(*session.dictionary, lexicon);
            session.lexicons[k] = std::move(lexicon);
            return std::int16_t(k);
        }
    }
    return SsceTooMany;
}

// Builds the dictionary from the word stems and the rules of the main lexicon opened before.
std::optional<Dictionary> buildDictionary(const Session &session, const LexiconFile &stems)
{
    const OpenLexicon *rules = nullptr;
    for (const auto &lexicon : session.lexicons)
        if (lexicon && lexicon->kind == LexiconKindRules && lexicon->language == stems.language)
            rules = &*lexicon;
    if (!rules)
        return std::nullopt;
    auto affix = MemoryFile::create(rules->rules);
    auto words = MemoryFile::create(stems.sections[0]);
    if (!affix || !words)
        return std::nullopt;
    Dictionary dictionary;
    dictionary.hunspell = std::make_unique<Hunspell>(affix->path().c_str(), words->path().c_str());
    dictionary.encoding = DictionaryEncoding(dictionary.hunspell->get_dict_encoding());
    for (const auto &lexicon : session.lexicons)
        if (lexicon && isUserKind(lexicon->kind))
            teachDictionary(dictionary, *lexicon);
    return dictionary;
}

bool writeUserLexiconFile(const OpenLexicon &lexicon)
{
    LexiconFile file;
    file.kind = lexicon.kind;
    file.language = lexicon.language;
    file.encoding = "windows-1252";
    file.sections = { lexiconWordSection(lexicon.words) };
    return bool(writeLexiconFile(lexicon.path, file));
}

std::string cutText(const char *text)
{
    return std::string(text, ::strnlen(text, SsceWordCapacity));
}

bool isWordByte(unsigned char c)
{
    if (c < 0x80)
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    // Windows-1252 letters above 0x7F: Š Œ Ž š œ ž Ÿ ƒ ª µ º and 0xC0..0xFF but × and ÷.
    switch (c) {
    case 0x83:
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA:
        return true;
    default:
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

// A text split into what is spelt and the marks around it ("¿Qué", "dog!", "'tis").
struct Framed
{
    std::string before;
    std::string core;
    std::string after;
};

Framed framed(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && !isWordByte(static_cast<unsigned char>(text[first])))
        ++first;
    std::size_t last = text.size();
    while (last > first && !isWordByte(static_cast<unsigned char>(text[last - 1])))
        --last;
    return { std::string(text.substr(0, first)), std::string(text.substr(first, last - first)),
        std::string(text.substr(last)) };
}

bool hasDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One blank-free part of a checked text.
bool partAccepted(const Session &session, std::uint32_t options, std::string_view part)
{
    const std::string core = framed(part).core;
    if (core.empty())
        return true;
    if ((options & SsceAcceptDigitWords) && hasDigit(core))
        return true;
    const std::string upper = upperCased(core);
    if (inUserLexicons(session, LexiconKindExclude, upper))
        return false;
    if (inUserLexicons(session, LexiconKindInclude, upper))
        return true;
    return session.dictionary->hunspell->spell(session.dictionary->encoding.fromWindows1252(core));
}

std::vector<std::string> blankSeparatedParts(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at)
            parts.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

bool textAccepted(const Session &session, std::uint32_t options, std::string_view text)
{
    const std::string upper = upperCased(trimmed(text));
    if (!upper.empty() && inUserLexicons(session, LexiconKindExclude, upper))
        return false;
    if (!upper.empty() && inUserLexicons(session, LexiconKindInclude, upper))
        return true;
    const auto parts = blankSeparatedParts(text);
    return std::all_of(parts.begin(), parts.end(),
        [&](const std::string &part) { return partAccepted(session, options, part); });
}

// Suggestions for a text: those of its first part not accepted, put back into the text with
// the marks around that part.  Exclude words are never offered.
std::vector<std::string> suggestionsFor(const Session &session, std::string_view text)
{
    std::vector<std::string> parts = blankSeparatedParts(text);
    const auto wrong = std::find_if(parts.begin(), parts.end(),
        [&](const std::string &part) { return !partAccepted(session, SsceAcceptDigitWords, part); });
    const std::size_t index = wrong == parts.end() ? 0 : std::size_t(wrong - parts.begin());
    // A text refused as a whole by the exclude lexicon is suggested for as a whole.
    if (wrong == parts.end())
        parts = { std::string(trimmed(text)) };
    const Framed frame = framed(parts[index]);
    if (frame.core.empty())
        return {};
    const Dictionary &dictionary = *session.dictionary;
    std::vector<std::string> found;
    for (const std::string &suggestion :
        dictionary.hunspell->suggest(dictionary.encoding.fromWindows1252(frame.core))) {
        if (!dictionary.encoding.representable(suggestion))
            continue;
        const std::string word = dictionary.encoding.toWindows1252(suggestion);
        if (inUserLexicons(session, LexiconKindExclude, upperCased(word)))
            continue;
        std::string whole;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (k > 0)
                whole += ' ';
            whole += k == index ? frame.before + word + frame.after : parts[k];
        }
        if (std::find(found.begin(), found.end(), whole) == found.end())
            found.push_back(whole);
    }
    return found;
}

} // namespace

std::int16_t SSCE_OpenSession()
{
    for (std::size_t k = 0; k < MaxSessions; ++k) {
        if (!sessions[k]) {
            sessions[k] = std::make_unique<Session>();
            return std::int16_t(k + 1);
        }
    }
    return SsceTooMany;
}

std::int16_t SSCE_OpenLex(std::int16_t sessionNumber, const char *path, std::int32_t mode)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    if (!path)
        return SsceBadArgument;
    auto file = readProgramLexicon(path);
    if (!file)
        return SsceFileError;
    OpenLexicon lexicon;
    lexicon.kind = file->kind;
    lexicon.language = file->language;
    lexicon.path = path;
    switch (file->kind) {
    case LexiconKindInclude:
    case LexiconKindExclude:
        lexicon.words = lexiconWords(file->sections[0]);
        lexicon.writable = mode == SsceOpenToAdd;
        return placeLexicon(*session, std::move(lexicon));
    case LexiconKindRules:
        lexicon.rules = std::move(file->sections[0]);
        return placeLexicon(*session, std::move(lexicon));
    case LexiconKindStems: {
        if (session->dictionary)
            return SsceBadArgument;
        auto dictionary = buildDictionary(*session, *file);
        if (!dictionary)
            return SsceFileError;
        const std::int16_t number = placeLexicon(*session, std::move(lexicon));
        if (number >= 0) {
            session->dictionary = std::move(dictionary);
            session->dictionaryLexicon = number;
        }
        return number;
    }
    default:
        return SsceFileError; // a thesaurus file
    }
}

std::int16_t SSCE_CreateLex(
    std::int16_t sessionNumber, const char *path, std::int16_t kind, std::int16_t language)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    if (!path || (kind != SsceIncludeLexicon && kind != SsceExcludeLexicon))
        return SsceBadArgument;
    OpenLexicon lexicon;
    lexicon.kind = std::uint8_t(kind);
    lexicon.language = language;
    lexicon.path = path;
    lexicon.writable = true;
    if (!writeUserLexiconFile(lexicon))
        return SsceFileError;
    return placeLexicon(*session, std::move(lexicon));
}

std::int16_t SSCE_AddToLex(
    std::int16_t sessionNumber, std::int16_t lexiconNumber, const char *word, const char *otherWord)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    OpenLexicon *lexicon = findLexicon(*session, lexiconNumber);
    if (!lexicon)
        return SsceBadLexicon;
    if (!word || !*word || (otherWord && *otherWord) || !isUserKind(lexicon->kind) || !lexicon->writable)
        return SsceBadArgument;
    lexicon->words.push_back(cutText(word));
    if (session->dictionary) {
        OpenLexicon added = *lexicon;
        added.words = { lexicon->words.back() };
        teachDictionary(*session->dictionary, added);
    }
    return writeUserLexiconFile(*lexicon) ? 0 : SsceFileError;
}

std::int16_t SSCE_CheckWord(std::int16_t sessionNumber, std::uint32_t options, const char *word,
    char *replacement, std::int16_t replacementSize)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    if (!word || (replacementSize > 0 && !replacement))
        return SsceBadArgument;
    if (!session->dictionary)
        return SsceNoDictionary;
    if (replacementSize > 0)
        replacement[0] = '\0';
    return textAccepted(*session, options, cutText(word)) ? 0 : SsceMisspelled;
}

std::int16_t SSCE_Suggest(std::int16_t sessionNumber, const char *word, std::int16_t /*depth*/,
    char *suggestions, std::int32_t suggestionsSize, std::int16_t *scores, std::int16_t scoreCount)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    if (!word || !suggestions || suggestionsSize < 0 || (scoreCount > 0 && !scores))
        return SsceBadArgument;
    if (!session->dictionary)
        return SsceNoDictionary;
    if (suggestionsSize < 2)
        return 0;
    // Room is kept for the empty word that ends the list.
    std::size_t used = 0;
    std::int16_t count = 0;
    for (const std::string &suggestion : suggestionsFor(*session, cutText(word))) {
        if (used + suggestion.size() + 1 > std::size_t(suggestionsSize) - 1)
            break;
        std::memcpy(suggestions + used, suggestion.c_str(), suggestion.size() + 1);
        used += suggestion.size() + 1;
        if (count < scoreCount)
            scores[count] = std::int16_t(100 - std::min<int>(count, 99));
        ++count;
    }
    suggestions[used] = '\0';
    if (used + 1 < std::size_t(suggestionsSize))
        suggestions[used + 1] = '\0';
    return count;
}

std::int32_t SSCE_GetLexInfo(
    std::int16_t sessionNumber, std::int16_t lexiconNumber, std::int32_t *size, std::int16_t *format)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    const OpenLexicon *lexicon = findLexicon(*session, lexiconNumber);
    if (!lexicon)
        return SsceBadLexicon;
    std::int32_t bytes = 0;
    for (const std::string &word : lexicon->words)
        bytes += std::int32_t(word.size() + 1);
    if (size)
        *size = bytes;
    if (format)
        *format = lexicon->kind;
    return bytes;
}

std::int32_t SSCE_GetLex(
    std::int16_t sessionNumber, std::int16_t lexiconNumber, char *buffer, std::int32_t bufferSize)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    const OpenLexicon *lexicon = findLexicon(*session, lexiconNumber);
    if (!lexicon)
        return SsceBadLexicon;
    if (!buffer || bufferSize < 0)
        return SsceBadArgument;
    std::size_t used = 0;
    for (const std::string &word : lexicon->words) {
        if (used + word.size() + 1 > std::size_t(bufferSize))
            break;
        std::memcpy(buffer + used, word.c_str(), word.size() + 1);
        used += word.size() + 1;
    }
    return std::int32_t(used);
}

std::int16_t SSCE_CloseLex(std::int16_t sessionNumber, std::int16_t lexiconNumber)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return SsceBadSession;
    if (!findLexicon(*session, lexiconNumber))
        return SsceBadLexicon;
    session->lexicons[std::size_t(lexiconNumber)].reset();
    if (lexiconNumber == session->dictionaryLexicon) {
        session->dictionary.reset();
        session->dictionaryLexicon = -1;
    }
    return 0;
}

std::int16_t SSCE_CloseSession(std::int16_t sessionNumber)
{
    if (!findSession(sessionNumber))
        return SsceBadSession;
    sessions[std::size_t(sessionNumber - 1)].reset();
    return 0;
}

} // namespace gw::spell
