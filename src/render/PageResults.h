#pragma once

#include "layout/LayoutRecord.h"
#include "model/PuzzleRecord.h"

#include <array>
#include <string>
#include <vector>

namespace gw::render {

// Free text objects a page numbers, and the lines each keeps.
constexpr int MaxTextObjects = 21;
constexpr int MaxTextLines = 100;

// How a clue list or word list was laid out, in inches; the picture export draws the same.
struct ListMetrics
{
    int linesPerColumn = 0;
    double numberWidth = 0; // clue lists only
    double columnGap = 0; // clue lists only
    double margin = 0;
    double textWidth = 0; // width of a clue's text, or of a word list column
    int lastFitting = 0; // entries of the list printed: the first lastFitting of them
};

// The lines a free text object was wrapped into: each a run of characters of its text, the
// runs following each other from the start of the text.
struct TextLines
{
    std::array<int, MaxTextLines> lengths {};
    std::array<bool, MaxTextLines> lineBreak {}; // the run starts with a line break
    int count = 0;
};

// What drawing a page found out, kept by the print job for the picture export and the
// warnings.  A clue too wide for its column goes on over more lines.
struct PageResults
{
    // Per word entry i at index i - 1: how far into its clue the entry printed (all of it but
    // trailing blanks when it printed; 0 when it did not), and on how many lines.
    std::array<int, model::MaxWords> clueCharacters {};
    std::array<int, model::MaxWords> clueLines {};
    std::vector<std::string> wordList; // upper case, sorted
    std::vector<int> wordCharacters; // per word of wordList; 0 = blank
    std::array<TextLines, MaxTextObjects> texts {}; // text object t at index t - 1
    int textCount = 0;
    std::array<ListMetrics, layout::MaxObjects> listMetrics {}; // per object slot
    bool cluesOverflow = false;
    bool wordsOverflow = false;
    std::array<bool, MaxTextObjects> textOverflow {};
};

} // namespace gw::render
