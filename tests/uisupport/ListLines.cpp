#include "uisupport/ListLines.h"

#include <QListWidget>

namespace gw::test {

QStringList listLines(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString selectedLine(const QListWidget *list)
{
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace gw::test
