#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QFontDialog;
class QLabel;
class QLineEdit;
class QWidget;

namespace gw::app {

// Colour and font choices go through these two seams, as message boxes and file dialogs go
// through those of Dialogs.h, so a test can answer them without a modal loop.

using ColourDialogSeam = std::function<std::optional<QColor>(QWidget *parent, const QColor &preset)>;

// The colour chosen in the colour dialog opened on the preset, or nothing when cancelled.
std::optional<QColor> chooseColour(QWidget *parent, const QColor &preset);
// Replaces the colour dialog for tests; an empty function restores the real one.
void setColourDialogSeam(ColourDialogSeam seam);

// What the font dialog chooses: face, size and the four styles (bold, italic, underline,
// strikeout) in the font, and the colour its text is drawn in.
struct FontChoice
{
    QFont font;
    QColor colour;
};

using FontDialogSeam = std::function<std::optional<FontChoice>(
    QWidget *parent, const FontChoice &preset, const QString &title)>;

// The font and colour chosen in the font dialog opened on the preset, or nothing when cancelled.
std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &preset, const QString &title);
// Replaces the font dialog for tests; an empty function restores the real one.
void setFontDialogSeam(FontDialogSeam seam);

// The font dialog chooseFont shows: Qt's font box (face, style, size, underline, strikeout)
// with a colour row under it, whose button opens the colour dialog through chooseColour and
// whose swatch shows the colour.  Windows that run their dialogs through their own seam
// (the main window) create it directly.
class FontColourDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FontColourDialog(const FontChoice &preset, QWidget *parent = nullptr);

    FontChoice choice() const;
    QFontDialog *fontBox() const { return m_fontBox; }

private:
    void ColorClick();
    void paintSwatch();

    QFontDialog *m_fontBox;
    QLabel *m_swatch;
    QLineEdit *m_sample = nullptr; // the font box's sample text, when found
    QColor m_colour;
};

} // namespace gw::app
