#include "app/TAbout.h"

#include "app/SpeedGlyphs.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>

namespace gw::app {

TAbout::TAbout(AppContext &context, QWidget *parent)
    : TInformation(context, parent, "About", { 330, 176 })
{
    QLabel *picture = addLabel(this, "ProgramIcon", QString(), { 16, 16, 48, 48 });
    picture->setScaledContents(true);
    picture->setPixmap(speedGlyphIcon(SpeedGlyph::NewPuzzle).pixmap(96, 96));
    addLabel(this, "ProductName", "Gridwright 98", { 80, 14, 234, 30 })
        ->setFont(designFont("Arial", 22, true));
    addLabel(this, "Version", "Version 3.0b", { 80, 46, 234, 18 });
    // Centred on its two lines, unlike the longer texts of the other information windows.
    addLabel(this, "Purpose", "Printable crossword puzzles in free shapes, from your own words and clues.",
        { 80, 74, 234, 46 })
        ->setWordWrap(true);
    addOk("OK", { 128, 136, 75, 25 });
}

} // namespace gw::app
