#include "layout/ui/ObjectDialog.h"

#include "ui/AppContext.h"
#include "ui/WindowLook.h"

namespace gw::layout {

ObjectDialog::ObjectDialog(app::AppContext &context, const LayoutObject &object, const QString &title,
    int width, int height, QWidget *parent)
    : app::TWindow(context, parent)
    , m_object(object)
{
    setWindowTitle(title);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(width, height);
}

void ObjectDialog::acceptObject()
{
    m_ok = true;
    accept();
}

} // namespace gw::layout
