#include "layout/QtObjectDialog.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"

namespace gw::layout {

QtObjectDialog::QtObjectDialog(app::AppContext &context, const LayoutObject &object, const QString &title,
    int width, int height, QWidget *parent)
    : app::TWindow(context, parent)
    , m_object(object)
{
    setWindowTitle(title);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(width, height);
}

void QtObjectDialog::acceptObject()
{
    m_ok = true;
    accept();
}

} // namespace gw::layout
