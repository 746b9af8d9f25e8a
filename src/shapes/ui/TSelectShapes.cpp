#include "shapes/ui/TSelectShapes.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ui/ShapeFileCommands.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace gw::shapes {

namespace {

constexpr int ButtonLeft = 8;
constexpr int ButtonTop = 30;
constexpr int ButtonStep = 35;

} // namespace

TSelectShapes::TSelectShapes(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Shapes"));
    setFixedSize(528, 278);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));

    const std::pair<QString, void (TSelectShapes::*)()> commands[] = {
        { QStringLiteral("&New"), &TSelectShapes::NewClick },
        { QStringLiteral("&Modify"), &TSelectShapes::ModifyClick },
        { QStringLiteral("C&opy"), &TSelectShapes::CopyClick },
        { QStringLiteral("&Delete"), &TSelectShapes::DeleteClick },
        { QStringLiteral("Im&port"), &TSelectShapes::ImportClick },
        { QStringLiteral("Expo&rt"), &TSelectShapes::ExportClick },
        { QStringLiteral("E&xit"), &TSelectShapes::ExitClick },
    };
    int top = ButtonTop;
    for (const auto &[text, handler] : commands) {
        auto *button
            = app::addButton(this, QString(text).remove(QLatin1Char('&')), text, { ButtonLeft, top, 83, 25 });
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        top += ButtonStep;
    }

    auto *heading = app::addLabel(
        this, QStringLiteral("ShapeHeading"), QStringLiteral("Puzzle Shape"), { 100, 8, 170, 20 });
    heading->setAlignment(Qt::AlignCenter);
    m_list = app::addList(this, QStringLiteral("ShapeList"), { 100, 30, 170, 240 });
    // Arrow keys, Home/End, typed letters and drags move the highlight without a click; the
    // current shape must follow every one of them, or Modify and Save overwrite another record.
    connect(m_list, &QListWidget::currentRowChanged, this, &TSelectShapes::ShapeListChange);
    m_preview = app::addLabel(this, QStringLiteral("ShapePreview"), QString(), { 280, 30, 240, 240 });
}

void TSelectShapes::FormShow()
{
    if (reloadList())
        selectRow(0);
    else
        drawPreview();
}

int TSelectShapes::selectedRecord() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? m_entries[row].record : -1;
}

// False, after the warning, when the library is missing, empty or unreadable.
bool TSelectShapes::reloadList()
{
    m_list->clear();
    m_entries.clear();
    auto listed = listShapes(m_context.shapeLibrary());
    if (!listed) {
        app::show(this, listed.error());
        return false;
    }
    m_entries = std::move(*listed);
    for (const ShapeListEntry &entry : m_entries)
        m_list->addItem(toQString(entry.text));
    return true;
}

void TSelectShapes::selectRow(int row)
{
    if (m_entries.empty())
        return;
    const int wanted = std::clamp(row, 0, static_cast<int>(m_entries.size()) - 1);
    // The list is silent when the row stays; its record may still have changed on disk.
    if (m_list->currentRow() == wanted)
        ShapeListChange();
    else
        m_list->setCurrentRow(wanted);
}

// The first entry of that record, or the first entry of the list when none has it.
void TSelectShapes::selectRecord(int record)
{
    const auto found = std::ranges::find(m_entries, record, &ShapeListEntry::record);
    selectRow(found == m_entries.end() ? 0 : static_cast<int>(found - m_entries.begin()));
}

void TSelectShapes::readSelectedShape()
{
    const int record = selectedRecord();
    if (record < 0)
        return;
    auto shape = readShape(m_context.shapeLibrary(), record);
    if (!shape) {
        app::show(this, shape.error());
        return;
    }
    *m_context.currentShape = *shape;
}

void TSelectShapes::drawPreview()
{
    if (m_entries.empty()) {
        m_preview->setPixmap(QPixmap::fromImage(blankPicture(m_preview->size())));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(drawShapePicture(*m_context.currentShape, m_preview->size())));
}

void TSelectShapes::ShapeListChange()
{
    if (selectedRecord() < 0)
        return; // the list is being refilled
    readSelectedShape();
    drawPreview();
}

bool TSelectShapes::openDesigner(ShapeDesignerMode mode, int record)
{
    TDoShapes designer(m_context, mode, record, this);
    app::runChild(designer);
    return designer.saved();
}

void TSelectShapes::NewClick()
{
    if (openDesigner(ShapeDesignerMode::New, 0) && reloadList())
        selectRecord(static_cast<int>(m_entries.size()) - 1);
}

void TSelectShapes::CopyClick()
{
    ShapeRecord &current = *m_context.currentShape;
    const auto original = current.title;
    current.title.assign(copyName(original.view(), decltype(current.title)::capacity));
    if (openDesigner(ShapeDesignerMode::Copy, 0)) {
        if (reloadList())
            selectRecord(static_cast<int>(m_entries.size()) - 1);
        return;
    }
    // The current shape is still the selected entry's shape, name included.
    current.title = original;
}

void TSelectShapes::ModifyClick()
{
    const int record = selectedRecord();
    if (record < 0)
        return;
    // Listed anew also when nothing was saved: the designer may have found the library changed by
    // another program.
    openDesigner(ShapeDesignerMode::Modify, record);
    if (reloadList())
        selectRecord(record);
}

void TSelectShapes::DeleteClick()
{
    const int row = m_list->currentRow();
    const int record = selectedRecord();
    if (record < 0 || !deleteShapeAsked(this, m_context, m_entries[row].text, record))
        return;
    if (reloadList())
        selectRow(row);
    else
        drawPreview();
}

void TSelectShapes::ExportClick()
{
    const int record = selectedRecord();
    if (record < 0) {
        app::inform(this, QStringLiteral("Error"), QStringLiteral("No shape selected."));
        return;
    }
    exportShapeAsked(this, m_context, [&] { return readShape(m_context.shapeLibrary(), record); });
}

void TSelectShapes::ImportClick()
{
    const auto imported = importShapeAsked(this, m_context);
    if (imported && reloadList())
        selectRecord(imported->record);
}

void TSelectShapes::ExitClick()
{
    accept();
}

} // namespace gw::shapes
