#include "layout/ui/TClueChange.h"

#include "layout/ui/ObjectDialogParts.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/Controls.h"

#include <QLineEdit>

namespace gw::layout {

namespace {

constexpr int HeaderCapacity = 25;

} // namespace

TClueChange::TClueChange(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(context, object,
        object.kind == int(ObjectKind::AcrossHeader) ? QStringLiteral("Across Header")
                                                     : QStringLiteral("Down Header"),
        280, 90, parent)
{
    m_header = app::addEdit(
        this, QStringLiteral("HeaderBox"), toQString(m_object.textView()), { 14, 14, 252, 21 });
    m_header->setMaxLength(HeaderCapacity);
    addOkCancel(this, 100, 54, [this] { OkButtonClick(); });
}

void TClueChange::OkButtonClick()
{
    m_object.setText(storedText(boxText(m_header), HeaderCapacity));
    acceptObject();
}

} // namespace gw::layout
