#include "layout/ui/TObjectBorders.h"

#include "ui/Controls.h"

#include <QCheckBox>
#include <QLineEdit>

namespace gw::layout {

TObjectBorders::TObjectBorders(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(
        context, object, objectCaption(QStringLiteral("Border Info for "), object), 280, 170, parent)
    , m_borderColour(this, QStringLiteral("BorderColour"), QStringLiteral("Border Color"),
          QStringLiteral("C&hange Color"), object.borderColour, 14, 40)
{
    m_useBorder = app::addCheckBox(
        this, QStringLiteral("UseBorderCheck"), QStringLiteral("&Use Border"), { 14, 14, 200, 20 });
    m_useBorder->setChecked(m_object.useBorder != 0);
    app::addLabel(this, QStringLiteral("WidthLabel"), QStringLiteral("Width"), { 14, 100, 50, 17 });
    m_width = app::addEdit(
        this, QStringLiteral("WidthBox"), QString::number(int(m_object.borderWidth)), { 70, 98, 30, 21 });
    m_width->setMaxLength(1);
    const auto enableBorder = [this](bool on) {
        m_borderColour.setEnabled(on);
        m_width->setEnabled(on);
    };
    connect(m_useBorder, &QCheckBox::toggled, this, enableBorder);
    enableBorder(m_useBorder->isChecked());
    addOkCancel(this, 100, 134, [this] { OkButtonClick(); });
}

void TObjectBorders::OkButtonClick()
{
    // The width box is disabled without a border: it cannot be corrected then, so it is only
    // checked and stored while the border is on.
    if (m_useBorder->isChecked()) {
        const auto width = checkedWholeNumber(this, m_width, 1, QStringLiteral("Invalid width entered."));
        if (!width)
            return;
        m_object.borderWidth = static_cast<std::int16_t>(*width);
    }
    m_object.useBorder = m_useBorder->isChecked() ? 1 : 0;
    m_object.borderColour = m_borderColour.colour();
    acceptObject();
}

} // namespace gw::layout
