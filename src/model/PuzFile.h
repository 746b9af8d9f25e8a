#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::model {

// The .puz crossword file.  A 52-byte header; the solution and the player's fill, width x
// height bytes each, row after row ('.' a block); NUL-terminated strings: title, author,
// copyright, one clue per word (by number, across before down), notes; then optional sections,
// each a four-letter name, a 16-bit length, a 16-bit checksum, the data and a NUL.  Numbers
// are little-endian.
namespace puz {
constexpr std::size_t HeaderSize = 0x34;
constexpr std::size_t MagicAt = 0x02;
constexpr std::string_view Magic { "ACROSS&DOWN\0", 12 };
constexpr std::size_t WholeSumAt = 0x00;
constexpr std::size_t HeaderSumAt = 0x0E;
constexpr std::size_t MaskedSumsAt = 0x10; // 8 bytes: the four low bytes, then the four high
constexpr std::size_t VersionAt = 0x18;
constexpr std::size_t WidthAt = 0x2C; // the header checksum covers the 8 bytes from here
constexpr std::size_t HeightAt = 0x2D;
constexpr std::size_t ClueCountAt = 0x2E;
constexpr std::size_t PuzzleTypeAt = 0x30;
constexpr std::size_t ScrambledAt = 0x32; // 0 unless the solution is scrambled (locked)
constexpr char Block = '.';
} // namespace puz

// The format's checksum: for each byte, rotate the sum right by one bit, then add the byte.
std::uint16_t puzChecksum(std::string_view bytes, std::uint16_t sum = 0);

// A .puz file cut into its parts; views into the file's bytes.
struct PuzParts
{
    std::string_view header; // 52 bytes; a file may carry other bytes before it
    int width = 0;
    int height = 0;
    std::string_view solution;
    std::string_view fill;
    std::string_view title;
    std::string_view author;
    std::string_view copyright;
    std::vector<std::string_view> clues;
    std::string_view notes;
    std::string_view sections; // what follows the notes

    std::uint16_t word(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(
            static_cast<unsigned char>(header[offset]) | static_cast<unsigned char>(header[offset + 1]) << 8);
    }
};

// The parts, or nothing when the header's mark is missing or the file ends before the boards
// and strings the header announces.
std::optional<PuzParts> splitPuz(std::string_view file);

// The checksums the header carries for these parts: the whole file's (0x00), the header's
// (0x0E) and the eight masked bytes (0x10).  Older files leave the notes out of the text sums.
struct PuzChecksums
{
    std::uint16_t whole = 0;
    std::uint16_t header = 0;
    std::array<std::uint8_t, 8> masked {};

    bool operator==(const PuzChecksums &) const = default;
};
PuzChecksums expectedPuzChecksums(const PuzParts &parts, bool countNotes = true);
PuzChecksums storedPuzChecksums(const PuzParts &parts);

// Writes the checksums into a file whose parts are complete; false when they are not.
bool sealPuz(std::string &file);

} // namespace gw::model
