#include "model/ui/TExportPuzzles.h"

#include "model/PuzzleTransfer.h"
#include "model/Settings.h"
#include "model/ui/TransferControls.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QListWidget>
#include <QPushButton>

namespace gw::model {

TExportPuzzles::TExportPuzzles(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
    , m_lines(puzzleTitleLines(context.collection()))
    , m_list(transferList(this, "PuzzleList", { 8, 28, 260, 284 }))
    , m_saveFile(
          app::addButton(this, "SaveFileButton", "&Save File", { 276, 256, 84, 25 }, app::AutoDefault::No))
{
    setWindowTitle("Export Crossword Puzzles");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(368, 320);
    app::addLabel(this, "PuzzlesHeading", "Puzzles Available For Export", { 8, 8, 260, 17 });
    QStringList titles;
    for (const CollectionLine &line : m_lines)
        titles << toQString(line.text);
    setListLines(m_list, titles);

    auto *selectAll
        = app::addButton(this, "SelectAllButton", "Select &All", { 276, 28, 84, 25 }, app::AutoDefault::No);
    auto *clearAll
        = app::addButton(this, "ClearAllButton", "C&lear All", { 276, 60, 84, 25 }, app::AutoDefault::No);
    auto *exit = app::addButton(this, "ExitButton", "E&xit", { 276, 287, 84, 25 }, app::AutoDefault::No);
    m_saveFile->setEnabled(false);
    connect(selectAll, &QPushButton::clicked, this, &TExportPuzzles::SelectAllClick);
    connect(clearAll, &QPushButton::clicked, this, &TExportPuzzles::ClearAllClick);
    connect(m_saveFile, &QPushButton::clicked, this, &TExportPuzzles::SaveFileClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TExportPuzzles::PuzzleListClick);
}

void TExportPuzzles::PuzzleListClick()
{
    m_saveFile->setEnabled(!m_list->selectedItems().isEmpty());
}

void TExportPuzzles::SelectAllClick()
{
    m_list->selectAll();
}

void TExportPuzzles::ClearAllClick()
{
    m_list->clearSelection();
}

void TExportPuzzles::SaveFileClick()
{
    const std::vector<int> rows = selectedRows(m_list);
    if (rows.empty()) {
        app::show(this, nothingSelectedForExport());
        return;
    }
    const auto chosen = app::chooseRememberedFile(this, app::FileDialogKind::Save, "Save Crossword Puzzles",
        "GRIDW Files (*.ZP3 *.zp3)", "ZP3", m_context.settings.lastExportPuzzleFile);
    if (!chosen) {
        reject();
        return;
    }
    const std::string &path = *chosen;
    std::vector<int> records;
    for (const int row : rows)
        records.push_back(m_lines[static_cast<std::size_t>(row)].tag);
    if (const Status exported = exportPuzzles(m_context.collection(), records, path); !exported) {
        app::show(this, exported.error());
        // Another file name may still be chosen; only a failed write ends the export.
        if (exported.error() != exportIsOpenCollection())
            reject();
        return;
    }
    accept();
}

} // namespace gw::model
