#include "layout/TObjectFill.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"

#include <QCheckBox>

namespace gw::layout {

TObjectFill::TObjectFill(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_object(object)
    , m_fillColour(this, QStringLiteral("FillColour"), QStringLiteral("Fill Color"),
          QStringLiteral("C&hange Color"), object.fillColour, 14, 40)
{
    setWindowTitle(objectCaption(QStringLiteral("Fill Info for "), m_object));
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(280, 136);
    m_fillInShape = new QCheckBox(QStringLiteral("&Fill In Shape"), this);
    m_fillInShape->setObjectName(QStringLiteral("FillInShapeCheck"));
    m_fillInShape->setChecked(m_object.fillInShape != 0);
    m_fillInShape->setGeometry(14, 14, 200, 20);
    connect(m_fillInShape, &QCheckBox::toggled, this, [this](bool on) { m_fillColour.setEnabled(on); });
    m_fillColour.setEnabled(m_fillInShape->isChecked());
    addOkCancel(this, 100, 100, [this] { OkButtonClick(); });
}

void TObjectFill::showEvent(QShowEvent *event)
{
    if (!m_shown)
        FormShow();
    m_shown = true;
    QDialog::showEvent(event);
}

void TObjectFill::FormShow()
{
    app::applyWindowLook(this, m_context.fonts(), m_context.scaleFactor);
}

void TObjectFill::OkButtonClick()
{
    m_object.fillInShape = m_fillInShape->isChecked() ? 1 : 0;
    m_object.fillColour = m_fillColour.colour();
    m_ok = true;
    accept();
}

} // namespace gw::layout
