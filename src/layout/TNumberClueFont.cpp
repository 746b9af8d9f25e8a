#include "layout/TNumberClueFont.h"

#include "app/ChoiceDialogs.h"
#include "layout/QtLayoutFont.h"
#include "layout/QtObjectDialogParts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace gw::layout {

TNumberClueFont::TNumberClueFont(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : QtObjectDialog(context, object, QStringLiteral("Numbers In Puzzle"), 280, 150, parent)
{
    auto *orientation = new QGroupBox(QStringLiteral("Orientation"), this);
    orientation->setObjectName(QStringLiteral("OrientationGroup"));
    orientation->setGeometry(14, 10, 140, 74);
    m_horizontal = new QRadioButton(QStringLiteral("&Horizontal"), orientation);
    m_horizontal->setObjectName(QStringLiteral("HorizontalRadio"));
    m_horizontal->setGeometry(12, 20, 120, 20);
    m_vertical = new QRadioButton(QStringLiteral("&Vertical"), orientation);
    m_vertical->setObjectName(QStringLiteral("VerticalRadio"));
    m_vertical->setGeometry(12, 44, 120, 20);
    (m_object.numberHorizontal == 0 ? m_vertical : m_horizontal)->setChecked(true);
    auto *font = new QPushButton(QStringLiteral("Change &Font"), this);
    font->setObjectName(QStringLiteral("FontButton"));
    font->setAutoDefault(false);
    font->setGeometry(170, 34, 96, 25);
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
