#pragma once

#include <cstdint>

// The spelling engine: ten calls over Hunspell and the program's own lexicon files.
//
// Session and lexicon numbers are handles into tables the engine owns.  A number the engine
// did not hand out, or one already closed, is refused with a negative result (SsceBadSession,
// SsceBadLexicon); it is never followed.  Every text crossing these calls is Windows-1252 and
// zero-terminated; the engine converts to and from the dictionaries' own encodings inside.
// No call ever writes past the size it is given for a buffer.
//
// A checking session opens, in this order, the exclude lexicon, the include lexicon, the main
// lexicon (rules, "ssce??.tlx") and the compressed main lexicon (word stems, "ssce??1.clx");
// the dictionary is ready once the compressed lexicon is open.  Include words are accepted and
// exclude words refused whatever the dictionary says, without regard to case (upper-case rule).
namespace gw::spell {

// Buffer sizes the program passes.
constexpr int SsceSuggestionBufferSize = 500; // bytes: zero-ended words, then an empty word
constexpr int SsceScoreCount = 30; // scores (16-bit) beside the suggestions
constexpr int SsceReplacementBufferSize = 50; // bytes; SSCE_CheckWord leaves it an empty text
constexpr int SsceWordCapacity = 50; // longest text checked, in characters

// SSCE_OpenLex's third argument: how the lexicon is to be used.
constexpr std::int32_t SsceOpenToRead = -1; // checking, or listing a user lexicon
constexpr std::int32_t SsceOpenToAdd = 0; // SSCE_AddToLex will follow

// Lexicon kinds (SSCE_CreateLex, and the format SSCE_GetLexInfo reports).
constexpr std::int16_t SsceIncludeLexicon = 1; // words accepted in addition
constexpr std::int16_t SsceExcludeLexicon = 3; // words refused although the dictionary has them
constexpr std::int16_t SsceRulesLexicon = 5; // main lexicon: the language's affix rules
constexpr std::int16_t SsceCompressedLexicon = 6; // compressed main lexicon: the word stems

// SSCE_CheckWord's options.  128, the value the program passes: a word holding a digit
// ("1990", "B52") is accepted.
constexpr std::uint32_t SsceAcceptDigitWords = 128;

// SSCE_CheckWord's result: bit 0 set means the word is not accepted.
constexpr std::int16_t SsceMisspelled = 0x0001;

// Negative results.
constexpr std::int16_t SsceBadSession = -1; // unknown or closed session number
constexpr std::int16_t SsceBadLexicon = -2; // unknown or closed lexicon number
constexpr std::int16_t SsceFileError = -3; // a lexicon file missing, unreadable or not a lexicon
constexpr std::int16_t SsceTooMany = -4; // no free session or lexicon slot
constexpr std::int16_t SsceBadArgument = -5; // null text, bad size, wrong kind of lexicon
constexpr std::int16_t SsceNoDictionary = -6; // checking before a compressed lexicon is open

// A new session; its number (> 0) is used in every later call.
std::int16_t SSCE_OpenSession();

// Opens the lexicon file at path (full path, UTF-8 file name) in the session; mode is
// SsceOpenToRead or SsceOpenToAdd.  A lexicon number >= 0, or negative when the file is
// missing or not a lexicon of this program (SsceFileError) or a handle is refused.
std::int16_t SSCE_OpenLex(std::int16_t session, const char *path, std::int32_t mode);

// Creates (replacing) an empty user lexicon of the kind SsceIncludeLexicon or
// SsceExcludeLexicon for the Windows language identifier, and opens it to add.
std::int16_t SSCE_CreateLex(std::int16_t session, const char *path, std::int16_t kind, std::int16_t language);

// Appends word to a user lexicon and writes the file at once.  A word added twice is stored
// twice.  otherWord is reserved and must be an empty text (or null).  0 or negative.
std::int16_t SSCE_AddToLex(
    std::int16_t session, std::int16_t lexicon, const char *word, const char *otherWord);

// Checks one text of up to SsceWordCapacity characters (longer ones are checked cut).  The
// result has SsceMisspelled set when the word is not accepted; negative when refused.
// replacement (replacementSize bytes, may be 0) is left an empty text.
std::int16_t SSCE_CheckWord(std::int16_t session, std::uint32_t options, const char *word, char *replacement,
    std::int16_t replacementSize);

// Fills suggestions (suggestionsSize bytes) with suggested words for word, best first, each
// ended by a zero byte, the list ended by an empty word; whole words only, never past the
// buffer (a buffer under 2 bytes receives nothing).  scores (scoreCount entries, may be null)
// receives a score per suggestion, higher is better.  depth: -1 for the fullest search.
// The number of suggestions, or negative.
std::int16_t SSCE_Suggest(std::int16_t session, const char *word, std::int16_t depth, char *suggestions,
    std::int32_t suggestionsSize, std::int16_t *scores, std::int16_t scoreCount);

// The size in bytes of the lexicon's word list as SSCE_GetLex gives it (each word and its
// zero byte), also stored into *size, and its kind into *format (either may be null).
// Negative when refused.
std::int32_t SSCE_GetLexInfo(
    std::int16_t session, std::int16_t lexicon, std::int32_t *size, std::int16_t *format);

// Fills buffer with the words of a user lexicon in file order, each ended by a zero byte, as
// many whole words as fit in bufferSize.  The number of bytes written, or negative.
std::int32_t SSCE_GetLex(std::int16_t session, std::int16_t lexicon, char *buffer, std::int32_t bufferSize);

// 0, or negative when refused.  Closing a session closes its lexicons.
std::int16_t SSCE_CloseLex(std::int16_t session, std::int16_t lexicon);
std::int16_t SSCE_CloseSession(std::int16_t session);

} // namespace gw::spell
