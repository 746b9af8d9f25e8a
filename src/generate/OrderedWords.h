#pragma once

#include "model/PuzzleRecord.h"

#include <cstdint>

namespace gw::generate {

// The words of a run, longest stored text first, with the letters each one puts into the
// grid.  Every attempt starts from the same word list, so this is worked out once per run.
class OrderedWords
{
public:
    // Takes wordCount clamped to 1..200: the record may come from a file.
    explicit OrderedWords(const model::PuzzleRecord &record);

    int count() const { return m_count; }
    // Entry (0-based) of the word at an ordered position.
    int entry(int position) const { return m_entry[position]; }
    // Squares the word takes: its characters but blanks.
    int length(int position) const { return m_length[position]; }
    const std::uint8_t *letters(int position) const { return m_letters[position]; }
    // False for a word with no letter, or with a NUL, which the grid would read as a square
    // outside the shape: such a word fits nowhere.
    bool placeable(int position) const { return m_placeable[position]; }

private:
    int m_count = 0;
    std::uint8_t m_entry[model::MaxWords] = {};
    std::uint8_t m_length[model::MaxWords] = {};
    std::uint8_t m_letters[model::MaxWords][model::WordCapacity] = {};
    bool m_placeable[model::MaxWords] = {};
};

} // namespace gw::generate
