#include "layout/ui/TSizeLocation.h"

#include "layout/ObjectEntries.h"
#include "layout/ui/ObjectDialogParts.h"
#include "render/TextConversion.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QLineEdit>
#include <algorithm>

namespace gw::layout {

namespace {

constexpr int BoxLength = 6;

// The box holds six characters, or more when the value it starts with needs them, so that
// opening and accepting never moves an object.
QLineEdit *addValueBox(
    QWidget *parent, const QString &name, const QString &label, double pixels, double pixelsPerUnit, int y)
{
    const QString text = toQString(unitsText(pixels, pixelsPerUnit));
    app::addLabel(parent, name + QStringLiteral("Label"), label, { 14, y + 2, 60, 17 });
    QLineEdit *box = app::addEdit(parent, name + QStringLiteral("Box"), text, { 80, y, 80, 21 });
    box->setMaxLength(std::max<int>(BoxLength, int(text.size())));
    return box;
}

} // namespace

TSizeLocation::TSizeLocation(app::AppContext &context, const LayoutObject &object, double pixelsPerUnit,
    bool inches, int pageWidthPixels, int pageHeightPixels, QWidget *parent)
    : ObjectDialog(
        context, object, objectCaption(QStringLiteral("Size & Location of "), object), 280, 200, parent)
    , m_pixelsPerUnit(pixelsPerUnit)
    , m_pageWidthPixels(pageWidthPixels)
    , m_pageHeightPixels(pageHeightPixels)
{
    const PixelRect rect = m_object.rect;
    m_left = addValueBox(this, QStringLiteral("Left"), QStringLiteral("Left"), rect.left, pixelsPerUnit, 14);
    m_top = addValueBox(this, QStringLiteral("Top"), QStringLiteral("Top"), rect.top, pixelsPerUnit, 44);
    m_width = addValueBox(this, QStringLiteral("Width"), QStringLiteral("Width"),
        double(rect.right) - rect.left, pixelsPerUnit, 74);
    m_height = addValueBox(this, QStringLiteral("Height"), QStringLiteral("Height"),
        double(rect.bottom) - rect.top, pixelsPerUnit, 104);
    app::addLabel(this, QStringLiteral("UnitLabel"),
        inches ? QStringLiteral("Values In Inches") : QStringLiteral("Values In Centimeters"),
        { 14, 136, 200, 17 });
    addOkCancel(this, 100, 164, [this] { OkButtonClick(); });
}

void TSizeLocation::OkButtonClick()
{
    const auto left = readDecimal(boxText(m_left));
    if (!left || *left < 0)
        return refuseEntry(this, m_left, QStringLiteral("Invalid left position entered."));
    const auto top = readDecimal(boxText(m_top));
    if (!top || *top < 0)
        return refuseEntry(this, m_top, QStringLiteral("Invalid top position entered."));
    const auto width = readDecimal(boxText(m_width));
    if (!width || *width <= 0)
        return refuseEntry(this, m_width, QStringLiteral("Invalid width entered."));
    const auto height = readDecimal(boxText(m_height));
    if (!height || *height <= 0)
        return refuseEntry(this, m_height, QStringLiteral("Invalid height entered."));

    const PixelRect rect = rectangleFromUnits(*left, *top, *width, *height, m_pixelsPerUnit);
    if (rect.left >= m_pageWidthPixels || rect.top >= m_pageHeightPixels) {
        const app::Answer answer = app::ask(this, QStringLiteral("Warning"),
            QStringLiteral("The location you have specified will place the object off the page.  "
                           "Do you wish abort your changes?"));
        if (answer == app::Answer::Yes)
            return;
    }
    m_object.rect = rect;
    acceptObject();
}

} // namespace gw::layout
