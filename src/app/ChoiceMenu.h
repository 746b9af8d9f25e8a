#pragma once

#include <QObject>
#include <QString>
#include <utility>
#include <vector>

class QAction;
class QMenu;

namespace gw::app {

// A group of menu items of which at most one carries a check mark, each standing for a value
// of one setting.  The mark always shows the value last given to check(); choosing an item
// only reports its value, so a refused choice leaves the mark where it was.
class ChoiceMenu : public QObject
{
    Q_OBJECT

public:
    explicit ChoiceMenu(QMenu *menu);

    QAction *addChoice(const QString &objectName, const QString &text, int value);
    // Marks the item of the value and no other; a value without an item clears every mark.
    void check(int value);
    QAction *action(int value) const;

Q_SIGNALS:
    void chosen(int value);

private:
    QMenu *m_menu;
    std::vector<std::pair<QAction *, int>> m_choices;
    int m_checked = 0;
};

} // namespace gw::app
