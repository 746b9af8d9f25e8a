#pragma once

#include "model/PuzzleRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gw::exports {

// A generated puzzle as the crossword exchange formats see it: a rectangle of squares, each
// outside the shape, a block (a shape square without a letter), or a letter; the clue numbers
// in their squares; the numbered words across and down in clue-number order.  Texts are
// Windows-1252 as the record holds them.
struct CrosswordGrid
{
    enum class Square : std::uint8_t { Outside, Block, Letter };

    struct Clue
    {
        int number = 0;
        std::string text;
        std::string answer; // the grid's letters along the word
        int column = 0; // start square, from 1
        int row = 0;
        int length = 0; // squares
    };

    int width = 0;
    int height = 0;
    std::vector<Square> squares; // row after row, width to a row
    std::vector<std::uint8_t> letters; // per square; 0 where there is none
    std::vector<int> numbers; // per square; 0 = unnumbered
    std::vector<Clue> across;
    std::vector<Clue> down;
    std::string title;

    Square square(int column, int row) const { return squares[index(column, row)]; }
    std::uint8_t letter(int column, int row) const { return letters[index(column, row)]; }
    int number(int column, int row) const { return numbers[index(column, row)]; }
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>((row - 1) * width + column - 1);
    }

    // The numbered words 1..N with their placed flag set; start squares and lengths held to the
    // grid, so a damaged record gives a smaller grid, never a read outside it.
    static CrosswordGrid of(const model::PuzzleRecord &puzzle);
};

} // namespace gw::exports
