#pragma once

#include <QKeySequence>
#include <QRect>
#include <QString>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace gw::app {

// The controls a window places itself.  Each carries the object name the window look and the
// tests find it by, and its rectangle at the 640 x 480 design size, which the look scales.

template <typename Control> Control *placed(Control *control, const QString &objectName, const QRect &design)
{
    control->setObjectName(objectName);
    control->setGeometry(design);
    return control;
}

// Whether Enter presses the button while it has the focus.  Windows whose fields take Enter
// for themselves say No: Enter then presses only the default button, if any.
enum class AutoDefault { Yes, No };

QLabel *addLabel(QWidget *parent, const QString &objectName, const QString &text, const QRect &design);
QPushButton *addButton(QWidget *parent, const QString &objectName, const QString &text, const QRect &design,
    AutoDefault autoDefault = AutoDefault::Yes);
QCheckBox *addCheckBox(QWidget *parent, const QString &objectName, const QString &text, const QRect &design);
QRadioButton *addRadioButton(
    QWidget *parent, const QString &objectName, const QString &text, const QRect &design);
QLineEdit *addEdit(QWidget *parent, const QString &objectName, const QString &text, const QRect &design);
QGroupBox *addGroupBox(QWidget *parent, const QString &objectName, const QString &title, const QRect &design);
QListWidget *addList(QWidget *parent, const QString &objectName, const QRect &design);

QMenu *addMenu(QMenuBar *bar, const QString &objectName, const QString &title);
QMenu *addMenu(QMenu *parent, const QString &objectName, const QString &title);
QAction *addItem(QMenu *menu, const QString &objectName, const QString &text, const QKeySequence &keys = {});

} // namespace gw::app
