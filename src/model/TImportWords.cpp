#include "model/TImportWords.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "app/WindowLook.h"
#include "model/QtTransferControls.h"
#include "model/Settings.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace gw::model {

namespace {

QRadioButton *modeButton(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(8, top, 150, 19);
    return button;
}

} // namespace

TImportWords::TImportWords(app::AppContext &context, std::vector<TableRow> &rows, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_rows(rows)
    , m_list(transferList(this, "LineList", { 8, 8, 300, 284 }))
    , m_ok(transferButton(this, "OkButton", "&Ok", { 398, 8, 76, 25 }))
    , m_selectAll(transferButton(this, "SelectAllButton", "Select &All", { 316, 40, 76, 25 }))
    , m_clear(transferButton(this, "ClearButton", "C&lear", { 316, 72, 76, 25 }))
{
    setWindowTitle("Import");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(482, 300);

    auto *openFile = transferButton(this, "OpenFileButton", "&Open File", { 316, 8, 76, 25 });
    auto *cancel = transferButton(this, "CancelButton", "&Cancel", { 398, 40, 76, 25 });
    auto *help = transferButton(this, "HelpButton", "&Help", { 398, 72, 76, 25 });
    auto *modes = new QGroupBox("Import", this);
    modes->setObjectName("ModeGroup");
    modes->setGeometry(316, 112, 158, 94);
    m_asWords = modeButton(modes, "AsWords", "As &Words", 20);
    m_asClues = modeButton(modes, "AsClues", "As Cl&ues", 44);
    m_asPairs = modeButton(modes, "AsWordsAndClues", "As Words and Clu&es", 68);
    m_separatorLabel = transferLabel(this, "SeparatorLabel", "Se&parator Char", { 316, 220, 90, 17 });
    m_separator = new QLineEdit(this);
    m_separator->setObjectName("SeparatorEdit");
    m_separator->setGeometry(410, 218, 24, 21);
    m_separator->setMaxLength(1);
    m_separatorLabel->setBuddy(m_separator);

    connect(openFile, &QPushButton::clicked, this, &TImportWords::OpenFileClick);
    connect(m_ok, &QPushButton::clicked, this, &TImportWords::OkClick);
    connect(m_selectAll, &QPushButton::clicked, this, &TImportWords::SelectAllClick);
    connect(m_clear, &QPushButton::clicked, this, &TImportWords::ClearClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton *button : { m_asWords, m_asClues, m_asPairs })
        connect(button, &QRadioButton::clicked, this, &TImportWords::ModeClick);

    switch (textModeOf(m_context.settings.importOption)) {
    case TextMode::Words:
        m_asWords->setChecked(true);
        break;
    case TextMode::Clues:
        m_asClues->setChecked(true);
        break;
    case TextMode::WordsAndClues:
        m_asPairs->setChecked(true);
        break;
    }
    m_separator->setText(toQString(std::string(1, m_context.settings.sepChar)).remove(QChar(0)));
    connect(m_separator, &QLineEdit::textEdited, this, &TImportWords::SeparatorChange);
    for (QPushButton *button : { m_ok, m_selectAll, m_clear })
        button->setEnabled(false);
    showSeparator();
}

void TImportWords::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TImportWords::FormShow()
{
    app::applyWindowLook(this, m_context.fonts(), m_context.scaleFactor);
}

TextMode TImportWords::mode() const
{
    if (m_asClues->isChecked())
        return TextMode::Clues;
    if (m_asPairs->isChecked())
        return TextMode::WordsAndClues;
    return TextMode::Words;
}

void TImportWords::showSeparator()
{
    const bool pairs = mode() == TextMode::WordsAndClues;
    for (QWidget *control : std::initializer_list<QWidget *> { m_separatorLabel, m_separator }) {
        control->setVisible(pairs);
        control->setEnabled(pairs);
    }
}

void TImportWords::ModeClick()
{
    m_context.settings.importOption = static_cast<int>(mode());
    showSeparator();
}

void TImportWords::SeparatorChange()
{
    const std::string typed = fromQString(m_separator->text());
    if (!typed.empty())
        m_context.settings.sepChar = typed.front();
}

void TImportWords::OpenFileClick()
{
    app::FileRequest request;
    request.kind = app::FileDialogKind::Open;
    request.title = "Import Word/Clue List";
    request.filter = "text (*.txt *.TXT);;all files (*)";
    request.defaultExtension = "txt";
    request.start = QString::fromStdString(m_context.settings.lastImportWordFile);
    const auto chosen = app::chooseFile(this, request);
    if (!chosen)
        return;
    const std::string path = chosen->toStdString();
    m_context.settings.lastImportWordFile = path.substr(0, SettingsTextCapacity);
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
    const std::string separator(trimmed(fromQString(m_separator->text())));
    if (mode() == TextMode::WordsAndClues && separator.empty()) {
        app::inform(this, "Error", "No word/clue seperator character specified.");
        m_separator->setFocus();
        return;
    }
    std::vector<std::string> selected;
    for (const int row : selectedRows(m_list))
        selected.push_back(m_lines[static_cast<std::size_t>(row)]);
    if (const auto question
        = tooManyWordsQuestion(mode(), wordsInTable(m_rows), static_cast<int>(selected.size()))) {
        if (app::ask(this, "Warning", toQString(*question)) != app::Answer::Yes)
            return;
    }
    m_changed = fillTableRows(m_rows, selected, mode(), separator.empty() ? ':' : separator.front());
    accept();
}

} // namespace gw::model
