#include "app/TAbout.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/SpeedGlyphs.h"
#include "app/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace gw::app {

TAbout::TAbout(AppContext &context, QWidget *parent)
    : TWindow(context, parent)
{
    setWindowTitle("About");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(330, 176);

    auto *picture = addLabel(this, "ProgramIcon", QString(), { 16, 16, 48, 48 });
    picture->setScaledContents(true);
    picture->setPixmap(speedGlyphIcon(SpeedGlyph::NewPuzzle).pixmap(96, 96));

    auto *product = addLabel(this, "ProductName", "Gridwright 98", { 80, 14, 234, 30 });
    product->setFont(designFont("Arial", 22, true));

    auto *version = addLabel(this, "Version", "Version 3.0b", { 80, 46, 234, 18 });

    auto *purpose
        = new QLabel("Printable crossword puzzles in free shapes, from your own words and clues.", this);
    purpose->setObjectName("Purpose");
    purpose->setWordWrap(true);
    purpose->setGeometry(80, 74, 234, 46);

    auto *ok = addButton(this, "OkButton", "OK", { 128, 136, 75, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace gw::app
