#include "app/TipTexts.h"

namespace gw::app {

namespace {

constexpr std::array<std::string_view, TipCount> Tips = {
    "More creation attempts usually fit more words.  Try 50 or 100 attempts and compare the four best "
    "puzzles before you save one.",
    "A word that will not fit is often too long for the shape.  Choose a larger shape or shorten the word.",
    "Double click a puzzle in the Puzzles list to print it at once.",
    "Puzzles are kept in puzzle collection files.  Use File, New Puzzle Collection File to start a fresh "
    "collection for a new class or topic.",
    "The category of a puzzle decides where it is listed.  Type a new category in the word list editor to "
    "start a new group.",
    "File, Copy Puzzle makes a new puzzle from the words and clues of the selected one, ready for a new "
    "shape or layout.",
    "Left-out words can be added by hand: choose Edit, Puzzle Words and type the letters into the empty "
    "squares.",
    "Press F1 to F12 in the word list editor to type accented letters.  Options, International "
    "Characters chooses which letter each key types.",
    "Word lists can be imported from plain text files, one word and its clue on each line.",
    "Shrink removes the empty rows and columns around a finished puzzle, so the grid prints larger.",
    "Quick Create tries fewer positions for each word.  It is faster for long word lists but may fit fewer "
    "words.",
    "Design your own puzzle shapes with Edit, Puzzle Shape.  Any squares you mark become part of the "
    "grid.",
    "A heart, a star or the outline of a country: puzzle shapes can be up to 30 by 30 squares.",
    "The page layout decides where the title, the grid, the clues and the word list appear on the "
    "printed page.",
    "Set the default page layout in the layout chooser, and every new puzzle starts with it.",
    "The answer key prints the same page with every letter filled in.",
    "Partial answers print a few chosen words already filled in, a good start for younger solvers.",
    "A bonus question is printed with the puzzle.  Its answer can be spelled by letters of the grid.",
    "Options, Clue Headers changes the words printed above the clue lists, for example Horizontal and "
    "Vertical.",
    "Phrases may hold blanks, dashes or slashes.  Options, Word Separator Chars shows them in the printed "
    "squares.",
    "Spell check your words and clues before creating the puzzle.  A misspelled answer is hard to solve.",
    "The Thesaurus button in the word list editor suggests a synonym of the word as its clue.",
    "Puzzles can be exported as pictures or as a web page, ready for a class web site or a newsletter.",
    "Export Puzzles copies chosen puzzles into a new collection file to share with a colleague.",
    "Import Puzzles brings puzzles from another collection file into the open one.",
    "The five collections used last are listed at the bottom of the File menu.",
    "Larger screens show larger windows: choose the screen size under Options, Screen Size.",
    "Choose your own fonts for labels, edit fields and buttons under Options.",
    "Turn the background picture of the main window on or off with Options, Background Bitmap.",
    "Print several copies at once from the print window; the page is described once and printed as often "
    "as you like.",
    "Preview a printed page before printing it, and zoom in to check the clues.",
    "Keep a copy of your puzzle collection files: each one holds every puzzle you saved in it.",
};

static_assert([] {
    for (std::string_view tip : Tips) {
        if (tip.empty() || tip.size() > TipCapacity)
            return false;
    }
    return true;
}());

} // namespace

const std::array<std::string_view, TipCount> &tipTexts()
{
    return Tips;
}

} // namespace gw::app
