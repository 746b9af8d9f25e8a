#pragma once

#include "ui/TWindow.h"

#include <QRect>
#include <QSize>
#include <QString>

class QLabel;

namespace gw::app {

// The small windows of fixed texts (about, the manual notice, other products), built at design
// size in the design font.  OK is the default button and accepts; Cancel, where there is one,
// rejects.
class TInformation : public TWindow
{
    Q_OBJECT

protected:
    TInformation(AppContext &context, QWidget *parent, const QString &caption, const QSize &design);

    // A text wrapped to its rectangle's width, from the top left.
    QLabel *addText(const QString &objectName, const QString &text, const QRect &design);
    void addOk(const QString &text, const QRect &design);
    void addCancel(const QString &text, const QRect &design);
};

} // namespace gw::app
