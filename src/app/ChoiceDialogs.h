#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace gw::app {

// Colour and font choices go through these two seams, as message boxes and file dialogs go
// through those of Dialogs.h, so a test can answer them without a modal loop.

using ColourDialogSeam = std::function<std::optional<QColor>(QWidget *parent, const QColor &preset)>;

// The colour chosen in the colour dialog opened on the preset, or nothing when cancelled.
std::optional<QColor> chooseColour(QWidget *parent, const QColor &preset);
// Replaces the colour dialog for tests; an empty function restores the real one.
void setColourDialogSeam(ColourDialogSeam seam);

using FontDialogSeam
    = std::function<std::optional<QFont>(QWidget *parent, const QFont &preset, const QString &title)>;

// The font chosen in the font dialog opened on the preset, or nothing when cancelled.  The
// dialog offers face, size and style; a colour stays with the caller.
std::optional<QFont> chooseFont(QWidget *parent, const QFont &preset, const QString &title);
void setFontDialogSeam(FontDialogSeam seam);

} // namespace gw::app
