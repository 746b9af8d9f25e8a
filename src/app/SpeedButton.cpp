#include "app/SpeedButton.h"

#include <QResizeEvent>

namespace gw::app {

void SpeedButton::resizeEvent(QResizeEvent *event)
{
    // The picture leaves room for the raised frame on every side.
    const int side = std::max(1, std::min(event->size().width(), event->size().height()) * 3 / 4);
    setIconSize(QSize(side, side));
    QToolButton::resizeEvent(event);
}

} // namespace gw::app
