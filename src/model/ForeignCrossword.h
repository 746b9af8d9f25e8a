#pragma once

#include "platform/Failure.h"
#include "shapes/ShapeRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::model {

// A puzzle comes in only as large as the shape designer draws shapes.
constexpr int MaxImportSide = shapes::MaxDesignedSide;

// A crossword as an exchange file (.ipuz, .puz) gives it, before it becomes a puzzle record:
// its squares row after row, the numbers printed in them, its clues.  Texts and letters are
// Windows-1252, as the records hold them.
struct ForeignCrossword
{
    struct Clue
    {
        int number = 0;
        bool across = true;
        std::string text;
    };

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> squares; // OutsideCell, BlankCell (a block) or the letter
    std::vector<int> numbers; // 0 = no number in that square
    std::vector<Clue> clues;
    std::string title; // empty when the file has none

    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>((row - 1) * width + column - 1);
    }
};

// The readers' refusals carry only the reason ("it is a diagramless puzzle"); the import names
// the file around it.
inline Failure refusal(std::string reason)
{
    return { "", std::move(reason) };
}

// "row 3, column 7", as the refusals name a square.
inline std::string squareName(int column, int row)
{
    return "row " + std::to_string(row) + ", column " + std::to_string(column);
}

// The reasons the readers and the import share.
inline Failure tooLargeToImport()
{
    const std::string side = std::to_string(MaxImportSide);
    return refusal("it is larger than " + side + " x " + side + " squares");
}

inline Failure rebusSquare(int column, int row)
{
    return refusal("the square in " + squareName(column, row) + " holds more than one letter");
}

inline Failure diagramlessPuzzle()
{
    return refusal("it is a diagramless puzzle");
}

// Windows-1252 text from a file as the records can show it: tabs and line breaks become
// blanks, and control characters and the five bytes the code page leaves undefined become '?',
// so nothing is dropped unseen.
std::string showableText(std::string_view windows1252);

// A square's letter by the upper-case rule, or nothing when the character cannot stand in a
// square (a blank, a control character, an undefined byte).
std::optional<std::uint8_t> squareLetter(unsigned char windows1252);

} // namespace gw::model
