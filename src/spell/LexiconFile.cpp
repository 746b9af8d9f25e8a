#include "spell/LexiconFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

namespace gw::spell {

namespace {

constexpr std::string_view Signature = "GWLX";
constexpr std::uint8_t Version = 1;

std::uint32_t readUint32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k)
        value |= std::uint32_t(std::uint8_t(bytes[at + k])) << (8 * k);
    return value;
}

void appendUint32(std::string &bytes, std::uint32_t value)
{
    for (std::size_t k = 0; k < 4; ++k)
        bytes += char((value >> (8 * k)) & 0xFF);
}

bool knownKind(std::uint8_t kind)
{
    return kind == LexiconKindInclude || kind == LexiconKindExclude || kind == LexiconKindRules
        || kind == LexiconKindStems || kind == LexiconKindThesaurus;
}

Failure notALexicon(std::string_view why)
{
    return { "Error", "Not a lexicon file: " + std::string(why) + "." };
}

// Lines as the thesaurus library reads them: up to the next line feed.
std::string_view lineAt(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(at);
    std::string_view line = rest.substr(0, rest.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// A decimal number of at most nine digits making up the whole text.
std::optional<std::size_t> smallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::size_t value = 0;
    for (const char c : text)
        value = value * 10 + std::size_t(c - '0');
    return value;
}

} // namespace

Result<LexiconFile> parseLexiconFile(std::string_view bytes)
{
    if (bytes.size() < LexiconHeaderSize || bytes.substr(0, 4) != Signature)
        return notALexicon("no lexicon signature");
    if (std::uint8_t(bytes[4]) != Version)
        return notALexicon("unknown version");
    LexiconFile lexicon;
    lexicon.kind = std::uint8_t(bytes[5]);
    if (!knownKind(lexicon.kind))
        return notALexicon("unknown kind");
    lexicon.language = std::int16_t(std::uint16_t(std::uint8_t(bytes[6]) | std::uint8_t(bytes[7]) << 8));
    const std::string_view encoding = bytes.substr(8, LexiconEncodingSize);
    lexicon.encoding = std::string(encoding.substr(0, std::min(encoding.find('\0'), encoding.size())));
    const std::uint32_t count = readUint32(bytes, 24);
    if (count < 1 || count > MaxLexiconSections)
        return notALexicon("section count out of range");
    std::size_t at = LexiconHeaderSize;
    for (std::uint32_t k = 0; k < count; ++k) {
        if (bytes.size() - at < 4)
            return notALexicon("file ends inside a section");
        const std::uint32_t length = readUint32(bytes, at);
        at += 4;
        if (length > bytes.size() - at)
            return notALexicon("file ends inside a section");
        lexicon.sections.emplace_back(bytes.substr(at, length));
        at += length;
    }
    if (at != bytes.size())
        return notALexicon("bytes after the last section");
    return lexicon;
}

std::string lexiconFileBytes(const LexiconFile &lexicon)
{
    std::string bytes(Signature);
    bytes += char(Version);
    bytes += char(lexicon.kind);
    bytes += char(std::uint16_t(lexicon.language) & 0xFF);
    bytes += char(std::uint16_t(lexicon.language) >> 8);
    std::array<char, LexiconEncodingSize> encoding {};
    std::memcpy(
        encoding.data(), lexicon.encoding.data(), std::min(lexicon.encoding.size(), encoding.size() - 1));
    bytes.append(encoding.data(), encoding.size());
    appendUint32(bytes, std::uint32_t(lexicon.sections.size()));
    for (const std::string &section : lexicon.sections) {
        appendUint32(bytes, std::uint32_t(section.size()));
        bytes += section;
    }
    return bytes;
}

Result<LexiconFile> readLexiconFile(const std::filesystem::path &file)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return Failure { "Error", "Could not open " + file.filename().string() + "." };
    if (size > MaxLexiconFileSize)
        return notALexicon("file too large");
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), std::streamsize(bytes.size())))
        return Failure { "Error", "Could not read " + file.filename().string() + "." };
    return parseLexiconFile(bytes);
}

Status writeLexiconFile(const std::filesystem::path &file, const LexiconFile &lexicon)
{
    const std::string bytes = lexiconFileBytes(lexicon);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), std::streamsize(bytes.size())) || !out.flush())
        return Failure { "Disk Error", "Could not write " + file.filename().string() + "." };
    return ok();
}

std::vector<std::string> lexiconWords(std::string_view section)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < section.size()) {
        const std::size_t end = std::min(section.find('\0', at), section.size());
        if (end > at)
            words.emplace_back(section.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string lexiconWordSection(const std::vector<std::string> &words)
{
    std::string section;
    for (const std::string &word : words) {
        const std::string_view text(word.c_str()); // up to an embedded zero byte, if any
        if (text.empty())
            continue;
        section += text;
        section += '\0';
    }
    return section;
}

bool thesaurusSectionsConsistent(std::string_view index, std::string_view data)
{
    constexpr std::size_t MaxEntries = 10'000'000;
    constexpr std::size_t MaxMeanings = 1000;
    constexpr std::size_t MaxIndexLine = 190; // the library reads index lines into 200 bytes
    const std::size_t firstEnd = index.find('\n');
    const std::string_view encoding = lineAt(index, 0);
    if (firstEnd == std::string_view::npos || encoding.empty() || encoding.size() > MaxIndexLine)
        return false;
    const auto entries = smallNumber(lineAt(index, firstEnd + 1));
    if (!entries || *entries < 1 || *entries > MaxEntries)
        return false;
    for (std::size_t end = index.find('\n', firstEnd + 1);
         end != std::string_view::npos && end + 1 < index.size(); end = index.find('\n', end + 1)) {
        const std::string_view line = lineAt(index, end + 1);
        if (line.size() > MaxIndexLine)
            return false;
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos)
            continue; // the library passes over such lines too
        const auto offset = smallNumber(line.substr(bar + 1));
        if (!offset || *offset >= data.size())
            return false;
        const std::string_view head = lineAt(data, *offset);
        const std::size_t headBar = head.find('|');
        const auto meanings
            = headBar == std::string_view::npos ? std::nullopt : smallNumber(head.substr(headBar + 1));
        if (!meanings || *meanings > MaxMeanings)
            return false;
    }
    return true;
}

} // namespace gw::spell
