#pragma once

#include "model/FontSetting.h"

#include <QFont>

class QWidget;

namespace gw::app {

// The three user fonts, built from the settings.
struct UserFonts
{
    model::FontSetting label;
    model::FontSetting edit;
    model::FontSetting button;
};

// Design size of the default control font, in pixels at the 640 x 480 screen size.
constexpr int DesignFontPixels = 11;

// What every window does when shown: the user's fonts on its controls by their kind, every
// position, size and font size multiplied by the scale, and the window centred on its screen,
// raised by the given pixels but never above the top.  The design geometry is remembered the
// first time, so a window can be scaled again to another factor.  Only controls with an
// object name count: every window names the controls it places.
void applyWindowLook(QWidget *window, const UserFonts &fonts, double factor, int raise = 0);

// Only the scaling and centring, for windows that keep their own fonts.
void scaleAndCentre(QWidget *window, double factor, int raise = 0);

// Only the centring, for a window whose size includes parts that are not scaled (the main
// window's menu bar).
void centreOnScreen(QWidget *window, int raise = 0);

// A font of the given family and pixel height at design scale.
QFont designFont(const QString &family, int pixels, bool bold = false);

} // namespace gw::app
