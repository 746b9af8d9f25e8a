#include "ui/TWindow.h"

#include "ui/AppContext.h"
#include "ui/WindowLook.h"

#include <QShowEvent>

namespace gw::app {

TWindow::TWindow(AppContext &context, QWidget *parent, int raise)
    : QDialog(parent)
    , m_context(context)
    , m_raise(raise)
{ }

void TWindow::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (!m_lookApplied) {
            m_lookApplied = true;
            applyLook();
        }
        FormShow();
    }
    QDialog::showEvent(event);
}

void TWindow::applyLook()
{
    applyWindowLook(this, m_context.fonts(), m_context.scaleFactor, m_raise);
}

} // namespace gw::app
