#include "ui/PageWindowBounds.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace gw::app {

QRect pageWindowBounds(const QRect &stored, const QSize &wholePage, const QRect &available)
{
    if (available.isEmpty())
        return { stored.topLeft(), stored.size().expandedTo(wholePage) };
    const QSize size = stored.size().expandedTo(wholePage).boundedTo(available.size());
    QPoint corner = stored.topLeft();
    if (corner == QPoint(0, 0))
        corner = available.center() - QPoint(size.width() / 2, size.height() / 2);
    corner.setX(std::clamp(corner.x(), available.left(), available.right() + 1 - size.width()));
    corner.setY(std::clamp(corner.y(), available.top(), available.bottom() + 1 - size.height()));
    return { corner, size };
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    return screen->availableGeometry().marginsRemoved(frame);
}

} // namespace gw::app
