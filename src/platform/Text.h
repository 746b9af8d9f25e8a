#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gw {

// Upper-case rule of the records: a..z and the Windows-1252 lower-case accented letters
// 224..246 and 248..254 become the byte minus 32; every other byte stays.
constexpr unsigned char upperCaseByte(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 246) || (c >= 248 && c <= 254))
        return static_cast<unsigned char>(c - 32);
    return c;
}

std::string upperCased(std::string_view text);

// Equal without regard to case, by the upper-case rule.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Order of the sorted lists: byte by byte without regard to case, by the upper-case rule.
bool alphabeticallyBefore(std::string_view a, std::string_view b);

// Trimming rule: removes blanks (byte 32 only) at both ends.
std::string_view trimmed(std::string_view text);

// Trims, then cuts to the capacity, as every text is stored in a record.
std::string storedText(std::string_view text, std::size_t capacity);

// The name a copy gets: "Quiz" -> "Quiz (2)", "Quiz (2)" -> "Quiz (3)", "Math (Grade 5) (2)" ->
// "Math (Grade 5) (3)", cut to the capacity.
std::string copyName(std::string_view title, std::size_t capacity);

// Reads a number as the settings file and the number fields do: leading blanks skipped, one
// optional sign, "$" for hexadecimal, then the digits up to the first other character.
// No digits read as 0.  The value saturates rather than overflowing.
long long parseLeadingNumber(std::string_view text);

} // namespace gw
