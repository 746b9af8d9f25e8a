#include "model/ui/TImportWords.h"

#include "model/Settings.h"
#include "model/ui/TransferControls.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace gw::model {

TImportWords::TImportWords(app::AppContext &context, std::vector<TableRow> &rows, QWidget *parent)
    : app::TWindow(context, parent)
    , m_rows(rows)
    , m_list(transferList(this, "LineList", { 8, 8, 300, 284 }))
    , m_ok(app::addButton(this, "OkButton", "&Ok", { 398, 8, 76, 25 }, app::AutoDefault::No))
    , m_selectAll(
          app::addButton(this, "SelectAllButton", "Select &All", { 316, 40, 76, 25 }, app::AutoDefault::No))
    , m_clear(app::addButton(this, "ClearButton", "C&lear", { 316, 72, 76, 25 }, app::AutoDefault::No))
{
    setWindowTitle("Import");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(482, 300);

    auto *openFile
        = app::addButton(this, "OpenFileButton", "&Open File", { 316, 8, 76, 25 }, app::AutoDefault::No);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 398, 40, 76, 25 }, app::AutoDefault::No);
    auto *help = app::addButton(this, "HelpButton", "&Help", { 398, 72, 76, 25 }, app::AutoDefault::No);
    m_modes = addTextModeControls(this, "Import",
        { { { "AsWords", "As &Words" }, { "AsClues", "As Cl&ues" },
            { "AsWordsAndClues", "As Words and Clu&es" } } },
        m_context.settings.importOption, m_context.settings.sepChar);

    connect(openFile, &QPushButton::clicked, this, &TImportWords::OpenFileClick);
    connect(m_ok, &QPushButton::clicked, this, &TImportWords::OkClick);
    connect(m_selectAll, &QPushButton::clicked, this, &TImportWords::SelectAllClick);
    connect(m_clear, &QPushButton::clicked, this, &TImportWords::ClearClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton *button : m_modes.buttons)
        connect(button, &QRadioButton::clicked, this, &TImportWords::ModeClick);
    connect(m_modes.separator, &QLineEdit::textEdited, this, &TImportWords::SeparatorChange);
    for (QPushButton *button : { m_ok, m_selectAll, m_clear })
        button->setEnabled(false);
    m_modes.showSeparator();
}

void TImportWords::ModeClick()
{
    m_context.settings.importOption = static_cast<int>(m_modes.mode());
    m_modes.showSeparator();
}

void TImportWords::SeparatorChange()
{
    m_modes.storeSeparator(m_context.settings.sepChar);
}

void TImportWords::OpenFileClick()
{
    const auto chosen = app::chooseRememberedFile(this, app::FileDialogKind::Open, "Import Word/Clue List",
        "text (*.txt *.TXT);;all files (*)", "txt", m_context.settings.lastImportWordFile);
    if (!chosen)
        return;
    const std::string &path = *chosen;
    auto lines = readImportFile(path);
    if (!lines) {
        app::show(this, lines.error());
        return;
    }
    m_lines = std::move(*lines);
    QStringList texts;
    for (const std::string &line : m_lines)
        texts << toQString(line);
    setListLines(m_list, texts);
    for (QPushButton *button : { m_ok, m_selectAll, m_clear })
        button->setEnabled(true);
}

void TImportWords::SelectAllClick()
{
    m_list->selectAll();
}

void TImportWords::ClearClick()
{
    m_list->clearSelection();
}

void TImportWords::OkClick()
{
    const TextMode mode = m_modes.mode();
    const std::string separator(trimmed(m_modes.separatorText()));
    if (mode == TextMode::WordsAndClues && separator.empty()) {
        app::inform(this, "Error", "No word/clue seperator character specified.");
        m_modes.separator->setFocus();
        return;
    }
    std::vector<std::string> selected;
    for (const int row : selectedRows(m_list))
        selected.push_back(m_lines[static_cast<std::size_t>(row)]);
    if (const auto question
        = tooManyWordsQuestion(mode, wordsInTable(m_rows), static_cast<int>(selected.size()))) {
        if (app::ask(this, "Warning", toQString(*question)) != app::Answer::Yes)
            return;
    }
    m_changed = fillTableRows(m_rows, selected, mode, separator.empty() ? ':' : separator.front());
    accept();
}

} // namespace gw::model
