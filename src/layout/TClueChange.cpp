#include "layout/TClueChange.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"
#include "layout/QtObjectDialogParts.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QLineEdit>

namespace gw::layout {

namespace {

constexpr int HeaderCapacity = 25;

} // namespace

TClueChange::TClueChange(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_object(object)
{
    setWindowTitle(m_object.kind == int(ObjectKind::AcrossHeader) ? QStringLiteral("Across Header")
                                                                  : QStringLiteral("Down Header"));
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(280, 90);
    m_header = addBox(
        this, QStringLiteral("HeaderBox"), toQString(m_object.textView()), HeaderCapacity, 14, 14, 252);
    addOkCancel(this, 100, 54, [this] { OkButtonClick(); });
}

void TClueChange::showEvent(QShowEvent *event)
{
    if (!m_shown)
        FormShow();
    m_shown = true;
    QDialog::showEvent(event);
}

void TClueChange::FormShow()
{
    app::applyWindowLook(this, m_context.fonts(), m_context.scaleFactor);
}

void TClueChange::OkButtonClick()
{
    m_object.setText(storedText(boxText(m_header), HeaderCapacity));
    m_ok = true;
    accept();
}

} // namespace gw::layout
