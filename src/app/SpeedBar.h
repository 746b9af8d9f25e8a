#pragma once

class QWidget;

namespace gw::app {

struct MainWindowMenus;

// The main window's tool bar: a raised panel across the top of the client area with the 14
// buttons, each doing what its menu item does, enabled with it, and showing its hint.
QWidget *buildSpeedBar(QWidget *parent, const MainWindowMenus &menus);

} // namespace gw::app
