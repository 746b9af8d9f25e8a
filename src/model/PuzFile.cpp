#include "model/PuzFile.h"

namespace gw::model {

namespace {

// Reads the NUL-terminated string at `at` and moves past its NUL; nothing when there is none.
std::optional<std::string_view> nextString(std::string_view file, std::size_t &at)
{
    const std::size_t end = file.find('\0', at);
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view text = file.substr(at, end - at);
    at = end + 1;
    return text;
}

// Title, author, copyright and notes count with their NUL, and only when not empty; the clues
// count without it.
std::uint16_t textSum(const PuzParts &parts, bool countNotes, std::uint16_t sum)
{
    const auto withNul = [&](std::string_view text) {
        if (!text.empty())
            sum = puzChecksum(std::string(text) + '\0', sum);
    };
    withNul(parts.title);
    withNul(parts.author);
    withNul(parts.copyright);
    for (const std::string_view clue : parts.clues)
        sum = puzChecksum(clue, sum);
    if (countNotes)
        withNul(parts.notes);
    return sum;
}

} // namespace

std::uint16_t puzChecksum(std::string_view bytes, std::uint16_t sum)
{
    for (const char ch : bytes) {
        sum = static_cast<std::uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

std::optional<PuzParts> splitPuz(std::string_view file)
{
    const std::size_t magic = file.find(puz::Magic);
    if (magic == std::string_view::npos || magic < puz::MagicAt
        || file.size() - (magic - puz::MagicAt) < puz::HeaderSize)
        return std::nullopt;
    PuzParts parts;
    const std::size_t start = magic - puz::MagicAt;
    parts.header = file.substr(start, puz::HeaderSize);
    parts.width = static_cast<unsigned char>(parts.header[puz::WidthAt]);
    parts.height = static_cast<unsigned char>(parts.header[puz::HeightAt]);
    const auto squares = static_cast<std::size_t>(parts.width * parts.height);
    std::size_t at = start + puz::HeaderSize;
    if (file.size() - at < 2 * squares)
        return std::nullopt;
    parts.solution = file.substr(at, squares);
    parts.fill = file.substr(at + squares, squares);
    at += 2 * squares;
    std::optional<std::string_view> text;
    for (std::string_view *field : { &parts.title, &parts.author, &parts.copyright }) {
        if (!(text = nextString(file, at)))
            return std::nullopt;
        *field = *text;
    }
    const int clueCount = parts.word(puz::ClueCountAt);
    for (int i = 0; i < clueCount; ++i) {
        if (!(text = nextString(file, at)))
            return std::nullopt;
        parts.clues.push_back(*text);
    }
    if (!(text = nextString(file, at)))
        return std::nullopt;
    parts.notes = *text;
    parts.sections = file.substr(at);
    return parts;
}

PuzChecksums expectedPuzChecksums(const PuzParts &parts, bool countNotes)
{
    PuzChecksums sums;
    sums.header = puzChecksum(parts.header.substr(puz::WidthAt, 8));
    const std::uint16_t solution = puzChecksum(parts.solution);
    const std::uint16_t fill = puzChecksum(parts.fill);
    const std::uint16_t texts = textSum(parts, countNotes, 0);
    sums.whole
        = textSum(parts, countNotes, puzChecksum(parts.fill, puzChecksum(parts.solution, sums.header)));
    constexpr std::string_view Mask = "ICHEATED";
    const std::uint16_t masked[4] = { sums.header, solution, fill, texts };
    for (std::size_t i = 0; i < 4; ++i) {
        sums.masked[i] = static_cast<std::uint8_t>(Mask[i] ^ (masked[i] & 0xFF));
        sums.masked[i + 4] = static_cast<std::uint8_t>(Mask[i + 4] ^ (masked[i] >> 8));
    }
    return sums;
}

PuzChecksums storedPuzChecksums(const PuzParts &parts)
{
    PuzChecksums sums;
    sums.whole = parts.word(puz::WholeSumAt);
    sums.header = parts.word(puz::HeaderSumAt);
    for (std::size_t i = 0; i < 8; ++i)
        sums.masked[i] = static_cast<std::uint8_t>(parts.header[puz::MaskedSumsAt + i]);
    return sums;
}

bool sealPuz(std::string &file)
{
    const auto parts = splitPuz(file);
    if (!parts)
        return false;
    const PuzChecksums sums = expectedPuzChecksums(*parts);
    const auto start = static_cast<std::size_t>(parts->header.data() - file.data());
    const auto put16 = [&](std::size_t offset, std::uint16_t value) {
        file[start + offset] = static_cast<char>(value & 0xFF);
        file[start + offset + 1] = static_cast<char>(value >> 8);
    };
    put16(puz::WholeSumAt, sums.whole);
    put16(puz::HeaderSumAt, sums.header);
    for (std::size_t i = 0; i < 8; ++i)
        file[start + puz::MaskedSumsAt + i] = static_cast<char>(sums.masked[i]);
    return true;
}

} // namespace gw::model
