#include "ui/BoxExit.h"

#include <QApplication>
#include <QFocusEvent>
#include <algorithm>

namespace gw::app {

bool leavesCheckedBox(const QEvent &focusOut, std::initializer_list<const QWidget *> exempt)
{
    if (focusOut.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent &>(focusOut).reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    return std::ranges::find(exempt, QApplication::focusWidget()) == exempt.end();
}

} // namespace gw::app
