#include "layout/ui/TObjectFill.h"

#include "ui/Controls.h"

#include <QCheckBox>

namespace gw::layout {

TObjectFill::TObjectFill(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(context, object, objectCaption(QStringLiteral("Fill Info for "), object), 280, 136, parent)
    , m_fillColour(this, QStringLiteral("FillColour"), QStringLiteral("Fill Color"),
          QStringLiteral("C&hange Color"), object.fillColour, 14, 40)
{
    m_fillInShape = app::addCheckBox(
        this, QStringLiteral("FillInShapeCheck"), QStringLiteral("&Fill In Shape"), { 14, 14, 200, 20 });
    m_fillInShape->setChecked(m_object.fillInShape != 0);
    connect(m_fillInShape, &QCheckBox::toggled, this, [this](bool on) { m_fillColour.setEnabled(on); });
    m_fillColour.setEnabled(m_fillInShape->isChecked());
    addOkCancel(this, 100, 100, [this] { OkButtonClick(); });
}

void TObjectFill::OkButtonClick()
{
    m_object.fillInShape = m_fillInShape->isChecked() ? 1 : 0;
    m_object.fillColour = m_fillColour.colour();
    acceptObject();
}

} // namespace gw::layout
