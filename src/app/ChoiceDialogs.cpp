#include "app/ChoiceDialogs.h"

#include <QColorDialog>
#include <QFontDialog>

namespace gw::app {

namespace {

ColourDialogSeam &colourDialogSeam()
{
    static ColourDialogSeam seam;
    return seam;
}

FontDialogSeam &fontDialogSeam()
{
    static FontDialogSeam seam;
    return seam;
}

} // namespace

std::optional<QColor> chooseColour(QWidget *parent, const QColor &preset)
{
    if (colourDialogSeam())
        return colourDialogSeam()(parent, preset);
    QColorDialog dialog(preset, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentColor();
}

void setColourDialogSeam(ColourDialogSeam seam)
{
    colourDialogSeam() = std::move(seam);
}

std::optional<QFont> chooseFont(QWidget *parent, const QFont &preset, const QString &title)
{
    if (fontDialogSeam())
        return fontDialogSeam()(parent, preset, title);
    QFontDialog dialog(preset, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentFont();
}

void setFontDialogSeam(FontDialogSeam seam)
{
    fontDialogSeam() = std::move(seam);
}

} // namespace gw::app
