#pragma once

#include "layout/LayoutRecord.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace gw::layout {

// Pieces the object property dialogs share.  Every control gets an object name.

// "<prefix><object name>", the captions "Properties for Title" and the like.
QString objectCaption(const QString &prefix, const LayoutObject &object);

// The OK and Cancel buttons side by side with their left edges at x and x + 87; OK is the
// default button and calls onOk, Cancel rejects.
void addOkCancel(QDialog *dialog, int x, int y, const std::function<void()> &onOk);

// The box's text as Windows-1252.
std::string boxText(const QLineEdit *box);

// A whole number of at least minimum from the box; otherwise "<message>" under the caption
// "Error", the focus on the box, and nothing.
std::optional<int> checkedWholeNumber(QDialog *dialog, QLineEdit *box, int minimum, const QString &message);

// Shows a refused entry: the message under the caption "Error", the focus on the box.
void refuseEntry(QDialog *dialog, QLineEdit *box, const QString &message);

// A colour swatch with its change button: the button opens the colour dialog on the colour and
// a chosen colour repaints the swatch.  The value is read back on OK.
class ColourChoice
{
public:
    ColourChoice(QWidget *parent, const QString &name, const QString &label, const QString &buttonText,
        std::uint32_t colour, int x, int y);

    std::uint32_t colour() const { return m_colour; }
    void setEnabled(bool enabled);

private:
    void paint();

    std::uint32_t m_colour;
    QLabel *m_swatch;
    QPushButton *m_button;
};

} // namespace gw::layout
