#include "layout/TClueHeaders.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gw::layout {

namespace {

QLineEdit *makeHeaderBox(QWidget *parent, const QString &objectName, const std::string &text, int top)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setMaxLength(TClueHeaders::HeaderCapacity);
    box->setText(toQString(text));
    box->setGeometry(110, top, 176, 21);
    return box;
}

void makeLabel(QWidget *parent, const QString &objectName, const QString &text, QLineEdit *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    label->setGeometry(14, buddy->y() + 2, 92, 17);
}

} // namespace

TClueHeaders::TClueHeaders(app::AppContext &context, std::string &acrossHeader, std::string &downHeader,
    const QString &caption, QWidget *parent)
    : app::TWindow(context, parent)
    , m_acrossHeader(acrossHeader)
    , m_downHeader(downHeader)
    , m_across(makeHeaderBox(this, "AcrossHeader", acrossHeader, 14))
    , m_down(makeHeaderBox(this, "DownHeader", downHeader, 44))
{
    setWindowTitle(caption);
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(300, 116);
    makeLabel(this, "AcrossLabel", "&Across Header", m_across);
    makeLabel(this, "DownLabel", "&Down Header", m_down);

    auto *ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    ok->setGeometry(120, 80, 79, 25);
    connect(ok, &QPushButton::clicked, this, &TClueHeaders::OkButtonClick);
    auto *cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(207, 80, 79, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TClueHeaders::OkButtonClick()
{
    m_acrossHeader = storedText(fromQString(m_across->text()), HeaderCapacity);
    m_downHeader = storedText(fromQString(m_down->text()), HeaderCapacity);
    accept();
}

} // namespace gw::layout
