#include "layout/QtObjectDialog.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"

namespace gw::layout {

QtObjectDialog::QtObjectDialog(app::AppContext &context, const LayoutObject &object, const QString &title,
    int width, int height, QWidget *parent)
    : QDialog(parent)
    , m_object(object)
    , m_context(context)
{
    setWindowTitle(title);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(width, height);
}

void QtObjectDialog::showEvent(QShowEvent *event)
{
    if (!m_shown)
        FormShow();
    m_shown = true;
    QDialog::showEvent(event);
}

void QtObjectDialog::FormShow()
{
    app::applyWindowLook(this, m_context.fonts(), m_context.scaleFactor);
}

void QtObjectDialog::acceptObject()
{
    m_ok = true;
    accept();
}

} // namespace gw::layout
