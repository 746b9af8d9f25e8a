#include "layout/TObjectProp.h"

#include "layout/ObjectEntries.h"
#include "layout/QtObjectDialogParts.h"
#include "platform/QtText.h"

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
    : QtObjectDialog(
        context, object, objectCaption(QStringLiteral("Properties for "), object), 280, 180, parent)
{
    const int kind = m_object.kind;
    m_transparent = addCheck(this, QStringLiteral("TransparentCheck"),
        kind == int(ObjectKind::Bitmap) ? QStringLiteral("&Tile Bitmap")
                                        : QStringLiteral("&Transparent Background"),
        m_object.transparent != 0, 14, 14, 250);
    m_makeItFit = addCheck(this, QStringLiteral("MakeItFitCheck"),
        QStringLiteral("&Make It Fit (Auto-Shrink Font)"), m_object.makeItFit != 0, 14, 40, 250);
    m_splitColumns = addCheck(this, QStringLiteral("SplitColumnsCheck"), QStringLiteral("&Split Columns"),
        m_object.splitColumns != 0, 14, 66, 250);
    m_splitColumns->setVisible(kind == int(ObjectKind::CombinedClues));
    connect(m_splitColumns, &QCheckBox::clicked, this, &TObjectProp::SplitColumnsClick);
    QLabel *columnsLabel
        = addLabel(this, QStringLiteral("ColumnsLabel"), QStringLiteral("Number of Columns"), 14, 100, 120);
    m_columns
        = addBox(this, QStringLiteral("ColumnsBox"), QString::number(int(m_object.columns)), 1, 140, 98, 30);
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
