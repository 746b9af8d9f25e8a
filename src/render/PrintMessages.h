#pragma once

#include "platform/Failure.h"

#include <string_view>

namespace gw::render {

// The messages of printing, shown unchanged by the windows and the command line.

// Printing a puzzle whose grid was never generated.
inline Failure neverGenerated()
{
    return { "Warning",
        "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from the "
        "menu "
        "and create the puzzle first" };
}

inline Failure missingBitmaps()
{
    return { "Warning", "One or more bitmaps in the layout design could not be located." };
}

inline Failure cluesOverflow()
{
    return { "Warning",
        "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on "
        "the page "
        "layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue "
        "fonts." };
}

inline Failure wordsOverflow()
{
    return { "Warning",
        "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on "
        "the page "
        "layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle "
        "words." };
}

inline Failure textOverflow()
{
    return { "Warning",
        "Text would not fit in allocated space.  You will need to change the alotted text space on the page "
        "layout, "
        "change the font size for the text or select the \"Make It Fit\" attribute for the text object." };
}

// The status dialog's line after a run, and after a cancelled one.
constexpr std::string_view PuzzleGenerated = "Puzzle Generated!";
constexpr std::string_view PuzzleGenerationCanceled = "Puzzle Generation Canceled!";

// The status dialog's line while a page is drawn; "%p" is the page number.
constexpr std::string_view PrintingPage = "Printing Page %p";

} // namespace gw::render
