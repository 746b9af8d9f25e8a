#pragma once

#include <cstdint>

// The thesaurus engine: twelve calls over MyThes and the program's own thesaurus files
// ("thesdbam.cth", "thesdbbr.cth").
//
// A category is one meaning of a word, written "name.code": the meaning's name (its first
// plain synonym, or the word itself) and its part of speech, one of the suffixes ".adj", ".adv",
// ".n", ".v"; a meaning of any other part of speech is the bare name.  The same text, built
// back from the display form, asks for the category's synonyms.  Session and thesaurus numbers
// are handles into tables the engine owns; an unknown or closed one is refused, never
// followed: the open and close calls answer ThesBadSession or ThesBadThesaurus, the calls that
// answer 1 or 0 answer 0.  Texts are Windows-1252,
// zero-terminated; every buffer is written within its size and always zero-terminated when
// its size is at least 1 (a longer word is cut).
namespace gw::spell {

constexpr int ThesBufferSize = 256; // bytes of every category and word buffer

// Part-of-speech codes: the letters of the code in the high bytes, first letter highest.
constexpr std::uint32_t thesPartOfSpeech(const char (&letters)[4])
{
    return std::uint32_t(std::uint8_t(letters[0])) << 24 | std::uint32_t(std::uint8_t(letters[1])) << 16
        | std::uint32_t(std::uint8_t(letters[2])) << 8;
}
constexpr std::uint32_t ThesAdjective = thesPartOfSpeech("adj");
constexpr std::uint32_t ThesAdverb = thesPartOfSpeech("adv");
constexpr std::uint32_t ThesNoun = std::uint32_t('n') << 24;
constexpr std::uint32_t ThesVerb = std::uint32_t('v') << 24;

// Negative results.
constexpr std::int16_t ThesBadSession = -1;
constexpr std::int16_t ThesBadThesaurus = -2;
constexpr std::int16_t ThesFileError = -3; // file missing, unreadable or not a thesaurus file
constexpr std::int16_t ThesTooMany = -4;

// A new session (> 0).
std::int16_t ThesDB_OpenSession();

// Opens the thesaurus file at path (full path).  A thesaurus number >= 0; negative when it
// cannot be opened.  Later look-ups of the session use the thesaurus opened last.
std::int16_t ThesDB_OpenThesaurus(std::int16_t session, const char *path);

// 1 and the word's first category in buffer when the word is known (without regard to case);
// 0 when it is not or when refused.  Starts the session's walk through the word's categories.
std::int16_t ThesDB_GetFirstCategory(std::int16_t session, const char *word, char *buffer, std::int32_t size);

// 1 and the next category of the word last given to ThesDB_GetFirstCategory; 0 at the end.
// Categories are given once each, in the thesaurus's order.
std::int16_t ThesDB_GetNextCategory(std::int16_t session, char *buffer, std::int32_t size);

// 1 and the antonym category of a category of the word being looked up (the first term the
// data marks as its antonym, with the category's part of speech); 0 when it has none.
std::int16_t ThesDB_GetCategoryAntonym(
    std::int16_t session, const char *category, char *buffer, std::int32_t size);

// Splits "name.code" into the name (into name, size bytes) and the part-of-speech code (0
// for a bare name).  1; 0 for a null category.
std::int16_t ThesDB_SplitCategoryName(
    const char *category, char *name, std::int32_t size, std::uint32_t *partOfSpeech);

// 1 and the first synonym of a category "name.code": a meaning of the word being looked up
// with that name and part of speech, or else every meaning of the word "name" with that part
// of speech (so antonym categories have synonyms too).  Antonyms are not synonyms.  0 when
// there is none.  ThesDB_GetNextSynonym gives the rest, each once; 0 at the end.
std::int16_t ThesDB_GetFirstSynonym(
    std::int16_t session, const char *category, char *buffer, std::int32_t size);
std::int16_t ThesDB_GetNextSynonym(std::int16_t session, char *buffer, std::int32_t size);

// 1 and the first of the thesaurus's own words that look like word (spelling suggestions
// against the thesaurus's word list); 0 when there are none.  ThesDB_GetNextSuggestion gives
// the rest; 0 at the end.
std::int16_t ThesDB_GetFirstSuggestion(
    std::int16_t session, const char *word, char *buffer, std::int32_t size);
std::int16_t ThesDB_GetNextSuggestion(std::int16_t session, char *buffer, std::int32_t size);

// 0, or negative when refused.  Closing a session closes its thesauri.
std::int16_t ThesDB_CloseThesaurus(std::int16_t session, std::int16_t thesaurus);
std::int16_t ThesDB_CloseSession(std::int16_t session);

} // namespace gw::spell
