#include "app/MenuLocalShortcut.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace gw::app {

MenuLocalShortcut::MenuLocalShortcut(QMenu *menu, QAction *item, const QKeySequence &keys)
    : QObject(menu)
    , m_menu(menu)
    , m_item(item)
    , m_keys(keys)
{
    // A tab in a menu item's text starts the column where menus show shortcuts.
    item->setText(item->text() + '\t' + keys.toString(QKeySequence::NativeText));
    menu->installEventFilter(this);
}

bool MenuLocalShortcut::eventFilter(QObject *watched, QEvent *event)
{
    // While a menu is open Qt fires no window shortcut, so the keys arrive here.
    if (watched != m_menu || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (QKeySequence(key->keyCombination()) != m_keys || !m_item->isEnabled())
        return false;
    // The item's window may be modal; it opens once the menu has closed.
    m_menu->close();
    QTimer::singleShot(0, m_item, &QAction::trigger);
    return true;
}

} // namespace gw::app
