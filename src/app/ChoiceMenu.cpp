#include "app/ChoiceMenu.h"

#include <QAction>
#include <QMenu>

namespace gw::app {

ChoiceMenu::ChoiceMenu(QMenu *menu)
    : QObject(menu)
    , m_menu(menu)
{ }

QAction *ChoiceMenu::addChoice(const QString &objectName, const QString &text, int value)
{
    QAction *item = m_menu->addAction(text);
    item->setObjectName(objectName);
    item->setCheckable(true);
    m_choices.emplace_back(item, value);
    connect(item, &QAction::triggered, this, [this, value] {
        // Qt has already toggled the mark; it follows the setting, not the click.
        check(m_checked);
        Q_EMIT chosen(value);
    });
    return item;
}

void ChoiceMenu::check(int value)
{
    m_checked = value;
    for (const auto &[item, itemValue] : m_choices)
        item->setChecked(itemValue == value);
}

QAction *ChoiceMenu::action(int value) const
{
    for (const auto &[item, itemValue] : m_choices) {
        if (itemValue == value)
            return item;
    }
    return nullptr;
}

} // namespace gw::app
