#include "layout/ui/TClueHeaders.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gw::layout {

TClueHeaders::TClueHeaders(app::AppContext &context, std::string &acrossHeader, std::string &downHeader,
    const QString &caption, QWidget *parent)
    : app::TWindow(context, parent)
    , m_acrossHeader(acrossHeader)
    , m_downHeader(downHeader)
    , m_across(app::addEdit(this, "AcrossHeader", toQString(acrossHeader), { 110, 14, 176, 21 }))
    , m_down(app::addEdit(this, "DownHeader", toQString(downHeader), { 110, 44, 176, 21 }))
{
    setWindowTitle(caption);
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(300, 116);
    for (QLineEdit *box : { m_across, m_down })
        box->setMaxLength(HeaderCapacity);
    app::addLabel(this, "AcrossLabel", "&Across Header", { 14, 16, 92, 17 })->setBuddy(m_across);
    app::addLabel(this, "DownLabel", "&Down Header", { 14, 46, 92, 17 })->setBuddy(m_down);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 120, 80, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TClueHeaders::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 207, 80, 79, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TClueHeaders::OkButtonClick()
{
    m_acrossHeader = storedText(fromQString(m_across->text()), HeaderCapacity);
    m_downHeader = storedText(fromQString(m_down->text()), HeaderCapacity);
    accept();
}

} // namespace gw::layout
