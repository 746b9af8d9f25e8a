#include "model/ui/TImportPuzzles.h"

#include "model/PuzzleTransfer.h"
#include "model/ui/TransferControls.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gw::model {

TImportPuzzles::TImportPuzzles(app::AppContext &context, const std::filesystem::path &chosen, QWidget *parent)
    : app::TWindow(context, parent)
    , m_chosen(chosen)
    , m_lines(puzzleTitleLines(chosen))
    , m_list(transferList(this, "PuzzleList", { 8, 48, 260, 264 }))
    , m_ok(app::addButton(this, "OkButton", "&Ok", { 276, 256, 84, 25 }, app::AutoDefault::No))
{
    setWindowTitle("Import Crossword Puzzles");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(368, 320);
    app::addLabel(
        this, "FileNameLabel", "File Name: " + QString::fromStdString(chosen.string()), { 8, 6, 352, 17 })
        ->setTextFormat(Qt::PlainText);
    app::addLabel(this, "PuzzlesHeading", "Puzzles in File", { 8, 28, 260, 17 });
    QStringList titles;
    for (const CollectionLine &line : m_lines)
        titles << toQString(line.text);
    setListLines(m_list, titles);

    auto *selectAll
        = app::addButton(this, "SelectAllButton", "Select &All", { 276, 48, 84, 25 }, app::AutoDefault::No);
    auto *clearAll
        = app::addButton(this, "ClearAllButton", "C&lear All", { 276, 80, 84, 25 }, app::AutoDefault::No);
    auto *cancel
        = app::addButton(this, "CancelButton", "&Cancel", { 276, 287, 84, 25 }, app::AutoDefault::No);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    connect(selectAll, &QPushButton::clicked, this, &TImportPuzzles::SelectAllClick);
    connect(clearAll, &QPushButton::clicked, this, &TImportPuzzles::ClearAllClick);
    connect(m_ok, &QPushButton::clicked, this, &TImportPuzzles::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TImportPuzzles::PuzzleListClick);
}

void TImportPuzzles::PuzzleListClick()
{
    m_ok->setEnabled(!m_list->selectedItems().isEmpty());
}

void TImportPuzzles::SelectAllClick()
{
    m_list->selectAll();
}

void TImportPuzzles::ClearAllClick()
{
    m_list->clearSelection();
}

void TImportPuzzles::OkClick()
{
    const std::vector<int> rows = selectedRows(m_list);
    if (rows.empty()) {
        app::show(this, nothingSelectedForImport());
        return;
    }
    std::vector<int> records;
    for (const int row : rows)
        records.push_back(m_lines[static_cast<std::size_t>(row)].tag);
    if (const Status imported = importPuzzles(m_chosen, records, m_context.collection()); !imported) {
        app::show(this, imported.error());
        reject();
        return;
    }
    accept();
}

} // namespace gw::model
