#include "app/TInformation.h"

#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace gw::app {

TInformation::TInformation(AppContext &context, QWidget *parent, const QString &caption, const QSize &design)
    : TWindow(context, parent)
{
    setWindowTitle(caption);
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(design);
}

QLabel *TInformation::addText(const QString &objectName, const QString &text, const QRect &design)
{
    QLabel *label = addLabel(this, objectName, text, design);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void TInformation::addOk(const QString &text, const QRect &design)
{
    QPushButton *ok = addButton(this, "OkButton", text, design);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TInformation::addCancel(const QString &text, const QRect &design)
{
    connect(addButton(this, "CancelButton", text, design), &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace gw::app
