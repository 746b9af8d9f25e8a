#pragma once

#include "platform/Failure.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program's own lexicon and thesaurus file format ("*.tlx", "*.clx", "*.cth").
// Little-endian:
//   offset  0  char[4]   "GWLX"
//           4  uint8     format version, 1
//           5  uint8     kind: 1 include words, 3 exclude words, 5 affix rules,
//                        6 word stems, 7 thesaurus
//           6  int16     Windows language identifier (0 for a thesaurus)
//           8  char[16]  encoding of the section texts, zero-padded ("windows-1252", "UTF-8")
//          24  uint32    number of sections, 1..MaxLexiconSections
//          28  sections, each a uint32 byte count and that many bytes
// The file ends with the last section.  Word kinds hold one section: the words, each ended by
// a zero byte.  Rules and stems hold the text of an affix file and of a stem list; a
// thesaurus holds its index and its data.
namespace gw::spell {

constexpr std::size_t LexiconHeaderSize = 28;
constexpr std::size_t LexiconEncodingSize = 16;
constexpr std::uint32_t MaxLexiconSections = 4;
constexpr std::uintmax_t MaxLexiconFileSize = 256u << 20; // bytes; larger files are refused

constexpr std::uint8_t LexiconKindInclude = 1;
constexpr std::uint8_t LexiconKindExclude = 3;
constexpr std::uint8_t LexiconKindRules = 5;
constexpr std::uint8_t LexiconKindStems = 6;
constexpr std::uint8_t LexiconKindThesaurus = 7;

struct LexiconFile
{
    std::uint8_t kind = 0;
    std::int16_t language = 0;
    std::string encoding; // at most LexiconEncodingSize - 1 characters
    std::vector<std::string> sections;
};

// Reads the bytes of a lexicon file.  Refuses a wrong signature or version, an unknown kind,
// a section count out of range, a section longer than what is left and bytes after the last
// section.  The failure names what is wrong.
Result<LexiconFile> parseLexiconFile(std::string_view bytes);

// The bytes of a lexicon file; the encoding is cut to fit its field.
std::string lexiconFileBytes(const LexiconFile &lexicon);

Result<LexiconFile> readLexiconFile(const std::filesystem::path &file);
Status writeLexiconFile(const std::filesystem::path &file, const LexiconFile &lexicon);

// The thesaurus library trusts its index: it allocates what the entry count and every entry's
// meaning count say and seeks wherever an offset points.  A thesaurus is opened only when its
// index and data sections agree: an encoding line, an entry count, and every entry
// "word|offset" pointing inside the data at a line "word|meanings" with at most 1000 meanings.
bool thesaurusSectionsConsistent(std::string_view index, std::string_view data);

// The words of a word section: the runs of non-zero bytes, in order.
std::vector<std::string> lexiconWords(std::string_view section);
// A word section: every word followed by a zero byte.  Empty words are left out.
std::string lexiconWordSection(const std::vector<std::string> &words);

} // namespace gw::spell
