#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

namespace gw::test {

// The texts of a list's lines in their shown order.
QStringList listLines(const QListWidget *list);

// The text of the first selected line, or empty when none is selected.
QString selectedLine(const QListWidget *list);

} // namespace gw::test
