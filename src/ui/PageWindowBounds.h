#pragma once

#include <QRect>

class QWidget;

namespace gw::app {

// Where a window showing a page opens: at the stored bounds, grown to what shows the whole page
// but never beyond the free area of the screen, and moved wholly onto it.  A window that was
// never placed (stored at the screen's top-left corner, the settings' default) is centred.
QRect pageWindowBounds(const QRect &stored, const QSize &wholePage, const QRect &available);

// The free area of the window's screen (without panels and docks), less the window's frame
// where the window system has told it.
QRect availableArea(const QWidget *window);

} // namespace gw::app
