#include "layout/ui/TObjectProp2.h"

#include "ui/Controls.h"

#include <QCheckBox>
#include <QLineEdit>

namespace gw::layout {

TObjectProp2::TObjectProp2(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(
        context, object, objectCaption(QStringLiteral("Properties for "), object), 280, 270, parent)
    , m_fillColour(this, QStringLiteral("FillColour"), QStringLiteral("Puzzle Fill Color"),
          QStringLiteral("C&hange Color"), object.fillColour, 14, 40)
    , m_blockColour(this, QStringLiteral("BlockColour"), QStringLiteral("Puzzle Block Color"),
          QStringLiteral("Ch&ange Color"), object.blockColour, 14, 92)
    , m_lineColour(this, QStringLiteral("LineColour"), QStringLiteral("Puzzle Line Color"),
          QStringLiteral("C&hange Color"), object.lineColour, 14, 144)
{
    m_skeleton = app::addCheckBox(
        this, QStringLiteral("SkeletonCheck"), QStringLiteral("Skeleton Puzzle"), { 14, 14, 200, 20 });
    m_skeleton->setChecked(m_object.transparent != 0);
    // A skeleton puzzle prints only the answer squares' outlines: it has no fill to choose.
    connect(
        m_skeleton, &QCheckBox::toggled, this, [this](bool checked) { m_fillColour.setEnabled(!checked); });
    m_fillColour.setEnabled(!m_skeleton->isChecked());
    app::addLabel(
        this, QStringLiteral("LineWidthLabel"), QStringLiteral("Puzzle Line Width"), { 14, 200, 110, 17 });
    m_lineWidth = app::addEdit(
        this, QStringLiteral("LineWidthBox"), QString::number(int(m_object.lineWidth)), { 130, 198, 30, 21 });
    m_lineWidth->setMaxLength(1);
    addOkCancel(this, 100, 234, [this] { OkButtonClick(); });
}

void TObjectProp2::OkButtonClick()
{
    const auto width = checkedWholeNumber(this, m_lineWidth, 1, QStringLiteral("Invalid width entered."));
    if (!width)
        return;
    m_object.lineWidth = *width;
    m_object.transparent = m_skeleton->isChecked() ? 1 : 0;
    m_object.fillColour = m_fillColour.colour();
    m_object.blockColour = m_blockColour.colour();
    m_object.lineColour = m_lineColour.colour();
    acceptObject();
}

} // namespace gw::layout
