#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QMenu;

namespace gw::app {

// A shortcut that belongs to one open menu.  Two items of the main window share Ctrl+H, and
// Qt fires neither of two window shortcuts with the same keys; so one item keeps the window
// shortcut and the other shows the keys in its menu and answers them while its menu is open.
class MenuLocalShortcut : public QObject
{
    Q_OBJECT

public:
    // Shows the keys beside the item and triggers it when they are pressed in the menu.
    MenuLocalShortcut(QMenu *menu, QAction *item, const QKeySequence &keys);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenu *m_menu;
    QAction *m_item;
    QKeySequence m_keys;
};

} // namespace gw::app
