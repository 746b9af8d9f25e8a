#include "layout/ui/TObjectProp.h"

#include "layout/ObjectEntries.h"
#include "layout/ui/ObjectDialogParts.h"
#include "render/TextConversion.h"
#include "ui/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace gw::layout {

namespace {

// The kinds whose text flows into columns.
bool hasColumns(int kind)
{
    return kind == int(ObjectKind::DownClues) || kind == int(ObjectKind::AcrossClues)
        || kind == int(ObjectKind::WordList) || kind == int(ObjectKind::CombinedClues);
}

} // namespace

TObjectProp::TObjectProp(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(
        context, object, objectCaption(QStringLiteral("Properties for "), object), 280, 180, parent)
{
    const int kind = m_object.kind;
    m_transparent = app::addCheckBox(this, QStringLiteral("TransparentCheck"),
        kind == int(ObjectKind::Bitmap) ? QStringLiteral("&Tile Bitmap")
                                        : QStringLiteral("&Transparent Background"),
        { 14, 14, 250, 20 });
    m_transparent->setChecked(m_object.transparent != 0);
    m_makeItFit = app::addCheckBox(this, QStringLiteral("MakeItFitCheck"),
        QStringLiteral("&Make It Fit (Auto-Shrink Font)"), { 14, 40, 250, 20 });
    m_makeItFit->setChecked(m_object.makeItFit != 0);
    m_splitColumns = app::addCheckBox(
        this, QStringLiteral("SplitColumnsCheck"), QStringLiteral("&Split Columns"), { 14, 66, 250, 20 });
    m_splitColumns->setChecked(m_object.splitColumns != 0);
    m_splitColumns->setVisible(kind == int(ObjectKind::CombinedClues));
    connect(m_splitColumns, &QCheckBox::clicked, this, &TObjectProp::SplitColumnsClick);
    QLabel *columnsLabel = app::addLabel(
        this, QStringLiteral("ColumnsLabel"), QStringLiteral("Number of Columns"), { 14, 100, 120, 17 });
    m_columns = app::addEdit(
        this, QStringLiteral("ColumnsBox"), QString::number(int(m_object.columns)), { 140, 98, 30, 21 });
    m_columns->setMaxLength(1);
    columnsLabel->setBuddy(m_columns);
    columnsLabel->setVisible(hasColumns(kind));
    m_columns->setVisible(hasColumns(kind));
    addOkCancel(this, 100, 144, [this] { OkButtonClick(); });
}

void TObjectProp::SplitColumnsClick(bool checked)
{
    if (checked)
        m_columns->setText(toQString(splitColumnsText(boxText(m_columns))));
}

void TObjectProp::OkButtonClick()
{
    if (hasColumns(m_object.kind)) {
        const auto columns
            = checkedWholeNumber(this, m_columns, 1, QStringLiteral("Invalid columns entered."));
        if (!columns)
            return;
        m_object.columns = static_cast<std::int16_t>(*columns);
    }
    m_object.transparent = m_transparent->isChecked() ? 1 : 0;
    m_object.makeItFit = m_makeItFit->isChecked() ? 1 : 0;
    m_object.splitColumns = m_splitColumns->isChecked() ? 1 : 0;
    acceptObject();
}

} // namespace gw::layout
