#include "app/TAbout.h"

#include "app/AppContext.h"
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

    auto *picture = new QLabel(this);
    picture->setObjectName("ProgramIcon");
    picture->setScaledContents(true);
    picture->setPixmap(speedGlyphIcon(SpeedGlyph::NewPuzzle).pixmap(96, 96));
    picture->setGeometry(16, 16, 48, 48);

    auto *product = new QLabel("Gridwright 98", this);
    product->setObjectName("ProductName");
    product->setFont(designFont("Arial", 22, true));
    product->setGeometry(80, 14, 234, 30);

    auto *version = new QLabel("Version 3.0b", this);
    version->setObjectName("Version");
    version->setGeometry(80, 46, 234, 18);

    auto *purpose
        = new QLabel("Printable crossword puzzles in free shapes, from your own words and clues.", this);
    purpose->setObjectName("Purpose");
    purpose->setWordWrap(true);
    purpose->setGeometry(80, 74, 234, 46);

    auto *ok = new QPushButton("OK", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    ok->setGeometry(128, 136, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace gw::app
