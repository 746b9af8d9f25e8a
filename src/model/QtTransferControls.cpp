#include "model/QtTransferControls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace gw::model {

QPushButton *transferButton(QWidget *parent, const char *name, const QString &text, const QRect &design)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(design);
    button->setAutoDefault(false);
    return button;
}

QLabel *transferLabel(QWidget *parent, const char *name, const QString &text, const QRect &design)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(design);
    return label;
}

QListWidget *transferList(QWidget *parent, const char *name, const QRect &design)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(design);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

void setListLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.push_back(list->row(item));
    std::ranges::sort(rows);
    return rows;
}

} // namespace gw::model
