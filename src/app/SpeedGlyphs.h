#pragma once

#include <QIcon>

namespace gw::app {

// The pictures of the main window's tool-bar buttons, left to right.
enum class SpeedGlyph {
    NewGroup,
    OpenGroup,
    NewPuzzle,
    ModifyPuzzle,
    CopyPuzzle,
    DeletePuzzle,
    Import,
    Export,
    Print,
    PuzzleWords,
    PuzzleShape,
    PageLayout,
    Help,
    Exit,
};

// Drawn at a high resolution so the button can shrink it to any scale; Qt greys it out for
// disabled buttons.
QIcon speedGlyphIcon(SpeedGlyph glyph);

} // namespace gw::app
