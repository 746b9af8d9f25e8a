#include "layout/ui/ObjectDialogParts.h"

#include "layout/ObjectEntries.h"
#include "render/TextConversion.h"
#include "ui/ChoiceDialogs.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace gw::layout {

QString objectCaption(const QString &prefix, const LayoutObject &object)
{
    return prefix + toQString(object.name.view());
}

void addOkCancel(QDialog *dialog, int x, int y, const std::function<void()> &onOk)
{
    auto *ok = app::addButton(dialog, QStringLiteral("OkButton"), QStringLiteral("&OK"), { x, y, 79, 25 });
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    auto *cancel = app::addButton(
        dialog, QStringLiteral("CancelButton"), QStringLiteral("&Cancel"), { x + 87, y, 79, 25 });
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

std::string boxText(const QLineEdit *box)
{
    return fromQString(box->text());
}

void refuseEntry(QDialog *dialog, QLineEdit *box, const QString &message)
{
    app::inform(dialog, QStringLiteral("Error"), message);
    box->setFocus();
    box->selectAll();
}

std::optional<int> checkedWholeNumber(QDialog *dialog, QLineEdit *box, int minimum, const QString &message)
{
    const std::optional<int> value = readWholeNumber(boxText(box));
    if (!value || *value < minimum) {
        refuseEntry(dialog, box, message);
        return std::nullopt;
    }
    return value;
}

ColourChoice::ColourChoice(QWidget *parent, const QString &name, const QString &label,
    const QString &buttonText, std::uint32_t colour, int x, int y)
    : m_colour(colour)
    , m_swatch(new QLabel(parent))
    , m_button(new QPushButton(buttonText, parent))
{
    app::addLabel(parent, name + QStringLiteral("Label"), label, { x, y, 130, 17 });
    m_swatch->setObjectName(name + QStringLiteral("Swatch"));
    m_swatch->setGeometry(x, y + 20, 41, 25);
    m_swatch->setFrameShape(QFrame::Box);
    m_button->setObjectName(name + QStringLiteral("Button"));
    m_button->setAutoDefault(false);
    m_button->setGeometry(x + 49, y + 20, 89, 25);
    QObject::connect(m_button, &QPushButton::clicked, m_button, [this] {
        if (const std::optional<QColor> chosen
            = app::chooseColour(m_button->window(), colourFromWindows(m_colour))) {
            m_colour = colourToWindows(*chosen);
            paint();
        }
    });
    paint();
}

void ColourChoice::setEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
}

void ColourChoice::paint()
{
    m_swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(colourFromWindows(m_colour).name()));
}

} // namespace gw::layout
