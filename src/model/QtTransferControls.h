#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace gw::model {

// The controls the puzzle and word transfer windows share, placed at design geometry and
// named so that the window look and the tests find them.
QPushButton *transferButton(QWidget *parent, const char *name, const QString &text, const QRect &design);
QLabel *transferLabel(QWidget *parent, const char *name, const QString &text, const QRect &design);

// A list in which several lines can be selected; it shows lines in the order given, which is
// the core's alphabetical order.
QListWidget *transferList(QWidget *parent, const char *name, const QRect &design);
void setListLines(QListWidget *list, const QStringList &lines);

// The rows of the selected lines, in list order.
std::vector<int> selectedRows(const QListWidget *list);

} // namespace gw::model
