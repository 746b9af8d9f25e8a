#include "ui/Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace gw::app {

QLabel *addLabel(QWidget *parent, const QString &objectName, const QString &text, const QRect &design)
{
    return placed(new QLabel(text, parent), objectName, design);
}

QPushButton *addButton(QWidget *parent, const QString &objectName, const QString &text, const QRect &design,
    AutoDefault autoDefault)
{
    auto *button = placed(new QPushButton(text, parent), objectName, design);
    if (autoDefault == AutoDefault::No)
        button->setAutoDefault(false);
    return button;
}

QCheckBox *addCheckBox(QWidget *parent, const QString &objectName, const QString &text, const QRect &design)
{
    return placed(new QCheckBox(text, parent), objectName, design);
}

QRadioButton *addRadioButton(
    QWidget *parent, const QString &objectName, const QString &text, const QRect &design)
{
    return placed(new QRadioButton(text, parent), objectName, design);
}

QLineEdit *addEdit(QWidget *parent, const QString &objectName, const QString &text, const QRect &design)
{
    return placed(new QLineEdit(text, parent), objectName, design);
}

QGroupBox *addGroupBox(QWidget *parent, const QString &objectName, const QString &title, const QRect &design)
{
    return placed(new QGroupBox(title, parent), objectName, design);
}

QListWidget *addList(QWidget *parent, const QString &objectName, const QRect &design)
{
    return placed(new QListWidget(parent), objectName, design);
}

QMenu *addMenu(QMenuBar *bar, const QString &objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(objectName);
    return menu;
}

QMenu *addMenu(QMenu *parent, const QString &objectName, const QString &title)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(objectName);
    return menu;
}

QAction *addItem(QMenu *menu, const QString &objectName, const QString &text, const QKeySequence &keys)
{
    QAction *item = menu->addAction(text);
    item->setObjectName(objectName);
    item->setShortcut(keys);
    return item;
}

} // namespace gw::app
