#pragma once

#include "layout/LayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "model/Settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace gw::render {

// What the Reports window lets the user choose for a printout: the parts of the page, the
// answer key options, the filled boxes and the clue headings.  Texts are Windows-1252.
struct PrintOptions
{
    bool printTitle = true; // kind 1
    bool printBody = true; // kind 2
    bool printClues = true; // kinds 3, 4, 5, 6 and 9
    bool printWords = true; // kind 7
    bool printBonus = true; // kind 8

    bool answerKey = false;
    bool partialAnswer = false;
    bool partialLetters = false;
    std::string letters; // at most 25 characters

    bool useBoxes = true; // fill the shape's squares that hold no letter
    std::uint32_t boxColour = 0; // 0x00BBGGRR

    // Word separators printed in the grid: "-", "/", "+", "*" and the user's own character.
    bool wordSepDash = false;
    bool wordSepSlash = false;
    bool wordSepPlus = false;
    bool wordSepStar = false;
    bool wordSepOther = false;
    char wordSepChar = ' ';

    std::string acrossLabel = "Across"; // at most 25 characters
    std::string downLabel = "Down";

    // The partial answer selection: word entry i at index i - 1; 1 = printed in the grid.
    std::array<std::uint8_t, model::MaxWords> partialWords {};

    // The options as the settings hold them ("Reports" section).
    static PrintOptions fromSettings(const model::Settings &settings);

    // A layout taken into the Reports window: each header object's text, and the Combined
    // Clues text split at its first ":", become the labels; each Puzzle object sets the
    // filled boxes from its "Skeleton Puzzle" flag and the box colour from its fill colour.
    void takeLayout(const layout::LayoutRecord &pageLayout);
};

} // namespace gw::render
