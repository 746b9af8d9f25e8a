#include "layout/ui/TNumberClueFont.h"

#include "layout/ui/LayoutFontChoice.h"
#include "layout/ui/ObjectDialogParts.h"
#include "ui/ChoiceDialogs.h"
#include "ui/Controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace gw::layout {

TNumberClueFont::TNumberClueFont(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(context, object, QStringLiteral("Numbers In Puzzle"), 280, 150, parent)
{
    auto *orientation = app::addGroupBox(
        this, QStringLiteral("OrientationGroup"), QStringLiteral("Orientation"), { 14, 10, 140, 74 });
    m_horizontal = app::addRadioButton(
        orientation, QStringLiteral("HorizontalRadio"), QStringLiteral("&Horizontal"), { 12, 20, 120, 20 });
    m_vertical = app::addRadioButton(
        orientation, QStringLiteral("VerticalRadio"), QStringLiteral("&Vertical"), { 12, 44, 120, 20 });
    (m_object.numberHorizontal == 0 ? m_vertical : m_horizontal)->setChecked(true);
    auto *font = app::addButton(
        this, QStringLiteral("FontButton"), QStringLiteral("Change &Font"), { 170, 34, 96, 25 });
    font->setAutoDefault(false);
    connect(font, &QPushButton::clicked, this, &TNumberClueFont::ChangeFontClick);
    addOkCancel(this, 100, 114, [this] { OkButtonClick(); });
}

void TNumberClueFont::ChangeFontClick()
{
    LayoutFont font = m_object.numberFont;
    if (const auto chosen = app::chooseFont(this, layoutFontChoice(font), QStringLiteral("Font"))) {
        storeLayoutFont(font, *chosen);
        m_object.numberFont = font;
    }
}

void TNumberClueFont::OkButtonClick()
{
    m_object.numberHorizontal = m_horizontal->isChecked() ? 1 : 0;
    acceptObject();
}

} // namespace gw::layout
