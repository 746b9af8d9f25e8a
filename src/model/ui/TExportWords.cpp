#include "model/ui/TExportWords.h"

#include "model/Settings.h"
#include "model/ui/TransferControls.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace gw::model {

TExportWords::TExportWords(app::AppContext &context, std::vector<TableRow> rows, QWidget *parent)
    : app::TWindow(context, parent)
    , m_rows(std::move(rows))
    , m_list(transferList(this, "LineList", { 8, 8, 300, 284 }))
    , m_saveFile(
          app::addButton(this, "SaveFileButton", "&Save File", { 316, 8, 76, 25 }, app::AutoDefault::No))
{
    setWindowTitle("Export");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(482, 300);

    auto *exit = app::addButton(this, "ExitButton", "E&xit", { 398, 8, 76, 25 }, app::AutoDefault::No);
    auto *selectAll
        = app::addButton(this, "SelectAllButton", "Select &All", { 316, 40, 76, 25 }, app::AutoDefault::No);
    auto *clear = app::addButton(this, "ClearButton", "C&lear", { 398, 40, 76, 25 }, app::AutoDefault::No);
    auto *selectUsed
        = app::addButton(this, "SelectUsedButton", "Select &Used", { 316, 72, 76, 25 }, app::AutoDefault::No);
    m_modes = addTextModeControls(this, "Export",
        { { { "Words", "&Words" }, { "Clues", "&Clues" }, { "WordsAndClues", "Words A&nd Clues" } } },
        m_context.settings.exportOption, m_context.settings.sepChar);

    connect(m_saveFile, &QPushButton::clicked, this, &TExportWords::SaveFileClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(selectAll, &QPushButton::clicked, this, &TExportWords::SelectAllClick);
    connect(clear, &QPushButton::clicked, this, &TExportWords::ClearClick);
    connect(selectUsed, &QPushButton::clicked, this, &TExportWords::SelectUsedClick);
    for (QRadioButton *button : m_modes.buttons)
        connect(button, &QRadioButton::clicked, this, &TExportWords::ModeClick);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TExportWords::LineListClick);
    connect(m_modes.separator, &QLineEdit::textEdited, this, &TExportWords::SeparatorChange);
    fillList();
}

// The list of the mode; the separator and its label are there only for pairs.
void TExportWords::fillList()
{
    m_modes.showSeparator();
    const std::string separator = m_modes.separatorText();
    m_lines = exportListLines(m_rows, m_modes.mode(), separator.empty() ? ':' : separator.front());
    QStringList texts;
    for (const ExportLine &line : m_lines)
        texts << toQString(line.text);
    setListLines(m_list, texts);
    LineListClick();
}

void TExportWords::LineListClick()
{
    m_saveFile->setEnabled(!m_list->selectedItems().isEmpty());
}

void TExportWords::ModeClick()
{
    m_context.settings.exportOption = static_cast<int>(m_modes.mode());
    fillList();
}

void TExportWords::SeparatorChange()
{
    m_modes.storeSeparator(m_context.settings.sepChar);
    if (m_modes.mode() == TextMode::WordsAndClues)
        fillList();
}

void TExportWords::SelectAllClick()
{
    m_list->selectAll();
}

void TExportWords::ClearClick()
{
    m_list->clearSelection();
}

void TExportWords::SelectUsedClick()
{
    m_list->clearSelection();
    for (std::size_t row = 0; row < m_lines.size(); ++row) {
        if (m_lines[row].used)
            m_list->item(static_cast<int>(row))->setSelected(true);
    }
}

void TExportWords::SaveFileClick()
{
    const std::vector<int> rows = selectedRows(m_list);
    if (rows.empty()) {
        app::inform(
            this, "Error", "No words/clues selected for output.  Please select the desired words/clues.");
        return;
    }
    const auto chosen = app::chooseRememberedFile(this, app::FileDialogKind::Save, "Save Word/Clue List",
        "text (*.txt *.TXT)", "txt", m_context.settings.lastExportWordFile);
    if (!chosen)
        return;
    const std::string &path = *chosen;
    std::vector<std::string> selected;
    for (const int row : rows)
        selected.push_back(m_lines[static_cast<std::size_t>(row)].text);
    if (const Status written = writeWordFile(path, selected); !written) {
        app::show(this, written.error());
        return;
    }
    accept();
}

} // namespace gw::model
