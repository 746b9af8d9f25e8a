#include "editor/ui/TWordList.h"

#include "editor/ui/LayoutPreview.h"
#include "editor/ui/WordCellDelegate.h"
#include "editor/ui/WordTextWindows.h"
#include "generate/Generator.h"
#include "generate/ManualEdits.h"
#include "generate/RandomSequence.h"
#include "generate/ui/TCreatedPuzzle.h"
#include "generate/ui/TCreationAttempts.h"
#include "generate/ui/TManualAdd.h"
#include "layout/ui/TListPages.h"
#include "model/CollectionFile.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ui/ShapeFileCommands.h"
#include "shapes/ui/ShapePicture.h"
#include "spell/ui/WordListSpelling.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/InternationalTyping.h"
#include "ui/ScreenScale.h"
#include "ui/TIntlChars.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

namespace gw::editor {

namespace {

constexpr int ClientWidth = 632;
constexpr int ClientHeight = 444;
constexpr int RaisePixels = 15;
constexpr int RowHeight = 18;
constexpr int ColumnWidths[] = { 24, 12, 100, 368 };
constexpr int TitleLength = 35;
constexpr int BonusLength = 120;
constexpr int AttemptsLength = 3;
constexpr int SmallButtonFontPixels = 9;
constexpr int FunctionKeys = 12;
constexpr std::size_t ShapeTitleCapacity = 50;

const QString CurrentPuzzleTitle = QStringLiteral("<Current Puzzle>");

QLabel *picture(QWidget *parent, const char *name, const QRect &design)
{
    auto *created = app::addLabel(parent, name, QString(), design);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return created;
}

bool isBlank(const QString &text)
{
    return trimmed(fromQString(text)).empty();
}

// A stored puzzle's own shape: usable exactly where its grid holds a square, letter or black.
shapes::ShapeRecord shapeOfPuzzle(const model::PuzzleRecord &record)
{
    shapes::ShapeRecord shape {};
    shape.title.assign(fromQString(CurrentPuzzleTitle));
    shape.width = static_cast<std::int16_t>(record.safeWidth());
    shape.height = static_cast<std::int16_t>(record.safeHeight());
    for (int index = 1; index <= shapes::GridCells; ++index)
        shape.cells[index - 1] = record.cell(index) != model::OutsideCell ? 1 : 0;
    return shape;
}

template <std::size_t Capacity> bool sameText(const PString<Capacity> &a, const PString<Capacity> &b)
{
    return a.view() == b.view();
}

bool sameTitleTexts(const model::PuzzleRecord &a, const model::PuzzleRecord &b)
{
    return sameText(a.bonusQuestion, b.bonusQuestion) && sameText(a.title, b.title)
        && sameText(a.category, b.category);
}

// The header fields whose change makes a stored puzzle count as changed; the doubles are
// compared bit for bit, so a stored NaN does not differ from itself.
bool sameLayoutHeader(const layout::LayoutRecord &a, const layout::LayoutRecord &b)
{
    return sameText(a.name, b.name) && sameText(a.paperName, b.paperName)
        && std::bit_cast<std::uint64_t>(a.pageWidth) == std::bit_cast<std::uint64_t>(b.pageWidth)
        && std::bit_cast<std::uint64_t>(a.pageHeight) == std::bit_cast<std::uint64_t>(b.pageHeight)
        && a.pageWidthPixels == b.pageWidthPixels && a.pageHeightPixels == b.pageHeightPixels
        && a.unitInches == b.unitInches && a.objectCount == b.objectCount && a.portrait == b.portrait
        && a.zoom == b.zoom;
}

} // namespace

TWordList::TWordList(app::AppContext &context, const QString &caption, QWidget *parent)
    : app::TWindow(context, parent, RaisePixels)
    , m_isNew(context.workingIsNew)
{
    setWindowTitle(caption);
    FormCreate();
}

TWordList::~TWordList()
{
    // An open cell editor calls back into this window while the grid's items are destroyed,
    // so the grid goes while the window is still whole.
    delete m_grid;
}

void TWordList::FormCreate()
{
    setFont(app::designFont("Arial", app::DesignFontPixels));
    resize(ClientWidth, ClientHeight);
    buildControls();
    buildGrid();
    buildShortcuts();
    m_spellClue->setEnabled(m_context.settings.dictionary != 0);
    m_thes->setEnabled(m_context.settings.thesaurus != 0);
    m_ownShape = std::make_unique<shapes::ShapeRecord>();
}

void TWordList::buildControls()
{
    app::addLabel(this, "TitleLabel", "Title", { 6, 8, 28, 14 });
    m_title = app::addEdit(this, "Title", QString(), { 36, 4, 200, 21 });
    m_title->setMaxLength(TitleLength);
    app::addLabel(this, "CategoryLabel", "Category", { 246, 8, 50, 14 });
    m_category = app::placed(new QComboBox(this), "Category", { 298, 4, 150, 21 });
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->lineEdit()->setMaxLength(model::CategoryCapacity);
    app::addLabel(this, "BonusLabel", "Bonus Question", { 6, 32, 82, 14 });
    m_bonus = app::addEdit(this, "BonusQuest", QString(), { 90, 28, 438, 21 });
    m_bonus->setMaxLength(BonusLength);

    // Enter in a field must not press a button.
    m_saveButton = app::addButton(this, "SaveButton", "Sa&ve", { 536, 4, 92, 22 }, app::AutoDefault::No);
    m_cancel = app::addButton(this, "Cancel", "E&xit", { 536, 28, 92, 22 }, app::AutoDefault::No);

    app::addLabel(this, "WordsCluesLabel", "Words and Clues", { 6, 55, 150, 14 });
    m_intChar = app::addButton(
        this, "IntCharButton", "International Characters", { 392, 52, 136, 17 }, app::AutoDefault::No);
    m_intChar->setFont(app::designFont("Arial", SmallButtonFontPixels));
    m_deleteClue = app::addButton(this, "DeleteClue", "De&lete", { 536, 70, 92, 22 }, app::AutoDefault::No);
    m_deleteAllClue
        = app::addButton(this, "DeleteAllClue", "Delete &All", { 536, 94, 92, 22 }, app::AutoDefault::No);
    m_spellClue
        = app::addButton(this, "SpellClue", "&Spell Check", { 536, 118, 92, 22 }, app::AutoDefault::No);
    m_thes = app::addButton(this, "Thes", "&Thesaurus", { 536, 142, 92, 22 }, app::AutoDefault::No);
    m_importClue = app::addButton(this, "ImportClue", "&Import", { 536, 166, 92, 22 }, app::AutoDefault::No);
    m_exportClue = app::addButton(this, "ExportClue", "&Export", { 536, 190, 92, 22 }, app::AutoDefault::No);
    m_addWords
        = app::addButton(this, "AddWordsButton", "Add &Words", { 536, 214, 92, 22 }, app::AutoDefault::No);

    app::addLabel(this, "ShapeLabel", "Puzzle Shape", { 6, 262, 168, 14 });
    m_shapeBox = app::addList(this, "ShapeBox", { 4, 278, 170, 114 });
    m_newShape = app::addButton(this, "NewShape", "&New", { 4, 396, 55, 21 }, app::AutoDefault::No);
    m_copyShape = app::addButton(this, "CopyShape", "C&opy", { 61, 396, 55, 21 }, app::AutoDefault::No);
    m_modifyShape
        = app::addButton(this, "ModifyShape", "&Modify", { 118, 396, 56, 21 }, app::AutoDefault::No);
    m_deleteShape = app::addButton(this, "DeleteShape", "&Delete", { 4, 419, 55, 21 }, app::AutoDefault::No);
    m_importShape = app::addButton(this, "ImportShape", "Im&port", { 61, 419, 55, 21 }, app::AutoDefault::No);
    m_exportShape
        = app::addButton(this, "ExportShape", "Expo&rt", { 118, 419, 56, 21 }, app::AutoDefault::No);
    m_shapePicture = picture(this, "LayoutImage", { 180, 278, 148, 148 });

    app::addLabel(this, "LayoutLabel", "Page Layout", { 336, 262, 117, 14 });
    m_pagePicture = picture(this, "Img", { 336, 278, 117, 137 });
    m_changeLayout
        = app::addButton(this, "ChangeLayout", "Change La&yout", { 336, 419, 117, 21 }, app::AutoDefault::No);

    app::addLabel(this, "AttemptsLabel", "Creation Attempts", { 462, 282, 100, 14 });
    m_attempts = app::addEdit(this, "Attempts", QString(), { 566, 278, 40, 21 });
    m_attempts->setMaxLength(AttemptsLength);
    m_autoShrink = app::addCheckBox(this, "AutoShrink", "Shrin&k", { 462, 306, 120, 18 });
    m_quickCreate = app::addCheckBox(this, "QuickCreate", "&Quick Create", { 462, 328, 120, 18 });
    m_createIt = app::addButton(this, "CreateIt", "&Create", { 462, 356, 92, 25 }, app::AutoDefault::No);

    connect(m_createIt, &QPushButton::clicked, this, &TWordList::CreateItClick);
    connect(m_saveButton, &QPushButton::clicked, this, &TWordList::SaveButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TWordList::CancelClick);
    connect(m_deleteClue, &QPushButton::clicked, this, &TWordList::DeleteClueClick);
    connect(m_deleteAllClue, &QPushButton::clicked, this, &TWordList::DeleteAllClueClick);
    connect(m_importClue, &QPushButton::clicked, this, &TWordList::ImportClueClick);
    connect(m_exportClue, &QPushButton::clicked, this, &TWordList::ExportClueClick);
    connect(m_spellClue, &QPushButton::clicked, this, &TWordList::SpellClueClick);
    connect(m_thes, &QPushButton::clicked, this, &TWordList::ThesClick);
    connect(m_addWords, &QPushButton::clicked, this, &TWordList::AddWordsButtonClick);
    connect(m_intChar, &QPushButton::clicked, this, &TWordList::IntCharButtonClick);
    connect(m_autoShrink, &QCheckBox::clicked, this, &TWordList::AutoShrinkClick);
    connect(m_quickCreate, &QCheckBox::clicked, this, &TWordList::QuickCreateClick);
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &TWordList::ShapeBoxClick);
    connect(m_modifyShape, &QPushButton::clicked, this, &TWordList::ModifyShapeClick);
    connect(m_newShape, &QPushButton::clicked, this, &TWordList::NewShapeClick);
    connect(m_copyShape, &QPushButton::clicked, this, &TWordList::CopyShapeClick);
    connect(m_deleteShape, &QPushButton::clicked, this, &TWordList::DeleteShapeClick);
    connect(m_importShape, &QPushButton::clicked, this, &TWordList::ImportShapeClick);
    connect(m_exportShape, &QPushButton::clicked, this, &TWordList::ExportShapeClick);
    connect(m_changeLayout, &QPushButton::clicked, this, &TWordList::ChangeLayoutClick);
}

void TWordList::buildGrid()
{
    m_grid = app::placed(new QTableWidget(Rows, 4, this), "WordsCluesGrid", { 4, 70, 528, 184 });
    m_grid->setHorizontalHeaderLabels({ "Cnt", "U", "Word", "Clue" });
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setSectionsClickable(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setItemDelegate(new WordCellDelegate(
        [this](int row, int column) { return WordsCluesGridGetEditText(row + 1, column); }, m_grid));
    for (int row = 0; row < Rows; ++row) {
        for (int column = CntColumn; column <= ClueColumn; ++column)
            m_grid->setItem(row, column, new QTableWidgetItem);
        m_grid->item(row, CntColumn)->setTextAlignment(Qt::AlignCenter);
        m_grid->item(row, UColumn)->setTextAlignment(Qt::AlignCenter);
        m_grid->item(row, CntColumn)->setBackground(palette().color(QPalette::Button));
    }
}

void TWordList::buildShortcuts()
{
    for (int key = 1; key <= FunctionKeys; ++key) {
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("N%1").arg(key * 10 + 1));
        action->setShortcut(QKeySequence(Qt::Key_F1 + (key - 1)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, key] {
            app::typeInternationalCharacter(m_context.settings.intKeys[static_cast<std::size_t>(key - 1)]);
        });
        addAction(action);
    }
}

void TWordList::FormShow()
{
    for (QPushButton *bold : { m_createIt, m_saveButton, m_cancel }) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }
    scaleGrid();
    fillGrid();

    if (const std::optional<int> chosen = LoadInLayouts())
        showShape(*chosen);

    const model::PuzzleRecord &record = *m_context.working;
    m_category->clear();
    for (const model::CollectionLine &line : m_context.lists.categoryLines())
        m_category->addItem(toQString(line.text));
    m_bonus->setText(toQString(record.bonusQuestion.view()));
    m_title->setText(toQString(record.title.view()));
    m_category->setEditText(toQString(record.category.view()));
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_attempts->setText(QString::number(m_context.settings.attempts));
    m_autoShrink->setChecked(m_context.settings.shrink);
    m_quickCreate->setChecked(m_context.settings.quickBuild);
    DrawPageBox();
    m_title->setFocus();
    if (!m_context.spelling.anyDictionary())
        m_spellClue->setEnabled(false);
    if (!m_context.spelling.anyThesaurus())
        m_thes->setEnabled(false);

    // A new puzzle keeps one too: Exit asks before it drops what was typed.
    m_reference = std::make_unique<model::PuzzleRecord>(record);
    if (m_isNew) {
        for (QPushButton *storedOnly : { m_addWords, m_saveButton }) {
            storedOnly->hide();
            storedOnly->setEnabled(false);
        }
        return;
    }
    for (QWidget *newOnly : std::initializer_list<QWidget *> { m_modifyShape, m_deleteShape, m_copyShape,
             m_newShape, m_importShape, m_exportShape, m_shapeBox, m_createIt, m_autoShrink, m_quickCreate,
             m_attempts, m_importClue, m_deleteClue, m_deleteAllClue })
        newOnly->setEnabled(false);
}

void TWordList::scaleGrid()
{
    const double factor = m_context.scaleFactor;
    for (int column = CntColumn; column <= ClueColumn; ++column)
        m_grid->setColumnWidth(column, app::scaled(ColumnWidths[column], factor));
    m_grid->verticalHeader()->setDefaultSectionSize(app::scaled(RowHeight, factor));
    m_grid->horizontalHeader()->setFixedHeight(app::scaled(RowHeight, factor));
}

void TWordList::fillGrid()
{
    const model::PuzzleRecord &record = *m_context.working;
    const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Qt::ItemFlags editable = fixed | Qt::ItemIsEditable;
    for (int row = 1; row <= Rows; ++row) {
        m_grid->item(row - 1, CntColumn)->setFlags(fixed);
        m_grid->item(row - 1, UColumn)->setFlags(fixed);
        m_grid->item(row - 1, WordColumn)->setFlags(m_isNew ? editable : fixed);
        m_grid->item(row - 1, ClueColumn)->setFlags(editable);
        setCellText(row, CntColumn, QString::number(row));
        setCellText(row, UColumn, record.placed[row - 1] == 1 ? QStringLiteral("x") : QString());
        setRowWord(row, toQString(record.words[row - 1].view()));
        setRowClue(row, toQString(record.clues[row - 1].view()));
    }
}

QString TWordList::cellText(int row, int column) const
{
    return m_grid->item(row - 1, column)->text();
}

void TWordList::setCellText(int row, int column, const QString &text)
{
    m_grid->item(row - 1, column)->setText(text);
}

QString TWordList::rowWord(int row) const
{
    return cellText(row, WordColumn);
}

QString TWordList::rowClue(int row) const
{
    return cellText(row, ClueColumn);
}

bool TWordList::rowUsed(int row) const
{
    return !cellText(row, UColumn).isEmpty();
}

void TWordList::setRowWord(int row, const QString &text)
{
    setCellText(row, WordColumn, text);
}

void TWordList::setRowClue(int row, const QString &text)
{
    setCellText(row, ClueColumn, text);
}

QString TWordList::WordsCluesGridGetEditText(int row, int column) const
{
    const QString text = cellText(row, column);
    if (column == WordColumn)
        return text.left(model::WordCapacity);
    if (column == ClueColumn)
        return text.left(model::ClueCapacity);
    return text;
}

int TWordList::GetWordCount() const
{
    int count = 0;
    for (int row = 1; row <= Rows; ++row) {
        if (!isBlank(rowWord(row)))
            ++count;
    }
    return count;
}

int TWordList::rowOfEntry(int entry) const
{
    int count = 0;
    for (int row = 1; row <= Rows; ++row) {
        if (!isBlank(rowWord(row)) && ++count == entry)
            return row;
    }
    return std::clamp(entry, 1, Rows);
}

void TWordList::SetValues()
{
    model::PuzzleRecord &record = *m_context.working;
    record.bonusQuestion.assign(storedText(fromQString(m_bonus->text()), model::BonusCapacity));
    record.title.assign(storedText(fromQString(m_title->text()), model::TitleCapacity));
    record.category.assign(storedText(fromQString(m_category->currentText()), model::CategoryCapacity));
    std::vector<std::string> texts;
    texts.reserve(2 * Rows);
    for (int row = 1; row <= Rows; ++row) {
        texts.push_back(fromQString(rowWord(row)));
        texts.push_back(fromQString(rowClue(row)));
    }
    std::vector<model::WordRow> rows;
    rows.reserve(Rows);
    for (std::size_t i = 0; i < texts.size(); i += 2)
        rows.push_back({ texts[i], texts[i + 1] });
    model::fillFromWordList(record, rows);
}

bool TWordList::SaveIt()
{
    const model::PuzzleRecord &record = *m_context.working;
    if (const Result<int> saved = m_context.saveWorkingPuzzle(record); !saved) {
        app::show(this, saved.error());
        return false;
    }
    return true;
}

bool TWordList::PuzzleChanged()
{
    SetValues();
    if (!m_reference)
        return false;
    const model::PuzzleRecord &now = *m_context.working;
    const model::PuzzleRecord &before = *m_reference;
    if (!sameTitleTexts(now, before) || !sameLayoutHeader(now.layout, before.layout))
        return true;
    for (int i = 0; i < model::MaxWords; ++i) {
        if (!sameText(now.words[i], before.words[i]) || !sameText(now.clues[i], before.clues[i]))
            return true;
    }
    return false;
}

bool TWordList::somethingTyped()
{
    SetValues();
    if (!m_reference)
        return false;
    const model::PuzzleRecord &before = *m_reference;
    if (!sameTitleTexts(*m_context.working, before))
        return true;
    // Row by row, as the grid was filled: Create would drop a clue without its word, but it was
    // typed all the same.
    for (int row = 1; row <= Rows; ++row) {
        if (storedText(fromQString(rowWord(row)), model::WordCapacity) != before.words[row - 1].view()
            || storedText(fromQString(rowClue(row)), model::ClueCapacity) != before.clues[row - 1].view())
            return true;
    }
    return false;
}

void TWordList::refuse(const EntryProblem &problem)
{
    if (problem.exclamation)
        QApplication::beep();
    app::show(this, problem.failure);
    switch (problem.field) {
    case EntryField::Title:
        m_title->setFocus();
        break;
    case EntryField::Category:
        m_category->setFocus();
        break;
    case EntryField::Attempts:
        m_attempts->setFocus();
        break;
    case EntryField::WordRow:
        m_grid->setFocus();
        m_grid->setCurrentCell(rowOfEntry(problem.entry) - 1, WordColumn);
        break;
    case EntryField::Words:
        break;
    }
}

bool TWordList::titleAndCategoryAccepted()
{
    const auto problem
        = checkTitleAndCategory(fromQString(m_title->text()), fromQString(m_category->currentText()));
    if (problem)
        refuse(*problem);
    return !problem;
}

void TWordList::CreateItClick()
{
    if (!titleAndCategoryAccepted())
        return;
    if (const auto problem = checkWordCount(GetWordCount())) {
        refuse(*problem);
        return;
    }
    const Result<int> attempts = readAttempts(fromQString(m_attempts->text()));
    if (!attempts) {
        refuse(*attemptsProblem(attempts.error()));
        return;
    }
    m_context.settings.attempts = *attempts;
    model::takeShapeGeometry(*m_context.working, *m_context.currentShape);
    SetValues();
    if (const auto problem = checkWordsFit(*m_context.working, *m_context.currentShape)) {
        refuse(*problem);
        return;
    }
    runGenerator(*attempts);
    generate::TCreatedPuzzle chooser(m_context, this);
    app::runChild(chooser);
    if (chooser.saved())
        closeEditor(QDialog::Accepted);
}

void TWordList::runGenerator(int attempts)
{
    if (attempts > 1) {
        generate::TCreationAttempts progress(m_context, this);
        app::runChild(progress);
        return;
    }
    const generate::BuildOptions options { attempts, m_context.settings.shrink,
        m_context.settings.quickBuild };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    generate::BuildPuzzles(*m_context.working, *m_context.currentShape, options, generate::timeOfDaySeed(),
        *m_context.slots, nullptr);
    QApplication::restoreOverrideCursor();
}

void TWordList::SaveButtonClick()
{
    if (!titleAndCategoryAccepted())
        return;
    SetValues();
    if (SaveIt())
        closeEditor(QDialog::Accepted);
}

void TWordList::CancelClick()
{
    // What was typed for a new puzzle exists nowhere else; a layout chosen for it is no loss.
    if (m_isNew ? somethingTyped() : PuzzleChanged()) {
        switch (app::ask(
            this, "Warning", "Puzzle has been modified.  Save changes?", app::Buttons::YesNoCancel)) {
        case app::Answer::Yes:
            // Saved the one way each kind of puzzle is saved, checks included: a new one through
            // Create and the chooser.  A refusal or a failed save keeps the editor open, so the
            // changes can still be saved or dropped.
            if (m_isNew)
                CreateItClick();
            else
                SaveButtonClick();
            return;
        case app::Answer::No:
            break;
        default:
            return;
        }
    }
    closeEditor(QDialog::Rejected);
}

void TWordList::reject()
{
    CancelClick();
}

void TWordList::closeEditor(int result)
{
    QDialog::done(result);
}

void TWordList::DeleteClueClick()
{
    const int cursorRow = m_grid->currentRow() + 1;
    if (cursorRow < 1)
        return;
    for (int column : { UColumn, WordColumn, ClueColumn }) {
        for (int row = cursorRow; row < Rows; ++row)
            setCellText(row, column, cellText(row + 1, column));
        setCellText(Rows, column, QString());
    }
    m_grid->setFocus();
}

void TWordList::DeleteAllClueClick()
{
    if (GetWordCount() == 0) {
        app::inform(this, "Error", "All words are already cleared.");
        return;
    }
    if (app::ask(this, "Warning", "This will remove all words and clues.  Continue?") != app::Answer::Yes)
        return;
    for (int row = 1; row <= Rows; ++row) {
        setRowWord(row, QString());
        setRowClue(row, QString());
    }
}

void TWordList::ImportClueClick()
{
    runTextImport(*this, m_context);
}

void TWordList::ExportClueClick()
{
    runTextExport(*this, m_context);
}

void TWordList::SpellClueClick()
{
    spell::SpellClueClick(*this, m_context);
}

void TWordList::ThesClick()
{
    const int row = m_grid->currentRow() + 1;
    if (row >= 1)
        spell::ThesClick(*this, m_context, row);
}

void TWordList::AddWordsButtonClick()
{
    // The grid editor writes the puzzle back with the title and category typed here.
    if (!titleAndCategoryAccepted())
        return;
    if (const auto refusal = generate::gridEditingRefusal(*m_context.working)) {
        app::show(this, *refusal);
        return;
    }
    // The clues and texts as typed here go along, so that writing the puzzle back keeps them.
    SetValues();
    generate::TManualAdd editor(m_context, this);
    const int result = app::runChild(editor);
    if (!editor.wordsAdded())
        return;
    // The placed words, old and new, now come first, each marked "x" in the U column.
    fillGrid();
    if (result == QDialog::Accepted && m_reference)
        *m_reference = *m_context.working;
}

void TWordList::IntCharButtonClick()
{
    app::TIntlChars characters(m_context, this);
    app::runChild(characters);
}

void TWordList::AutoShrinkClick()
{
    m_context.settings.shrink = m_autoShrink->isChecked();
}

void TWordList::QuickCreateClick()
{
    m_context.settings.quickBuild = m_quickCreate->isChecked();
}

std::optional<int> TWordList::LoadInLayouts()
{
    m_shapeEntries.clear();
    if (!m_isNew) {
        *m_ownShape = shapeOfPuzzle(*m_context.working);
        *m_context.currentShape = *m_ownShape;
        m_shapeEntries.push_back({ shapes::shapeEntryText(*m_ownShape), CurrentPuzzleEntry });
    }
    const auto library = shapes::listShapes(m_context.shapeLibrary());
    if (library)
        m_shapeEntries.insert(m_shapeEntries.end(), library->begin(), library->end());
    showShapeEntries();
    if (m_shapeEntries.empty()) {
        if (!library)
            app::show(this, library.error());
        return std::nullopt;
    }
    return m_isNew ? m_context.settings.lastShape : CurrentPuzzleEntry;
}

void TWordList::showShapeEntries()
{
    std::ranges::stable_sort(m_shapeEntries, alphabeticallyBefore, &shapes::ShapeListEntry::text);
    const QSignalBlocker quiet(m_shapeBox);
    m_shapeBox->clear();
    for (const shapes::ShapeListEntry &entry : m_shapeEntries)
        m_shapeBox->addItem(toQString(entry.text));
}

void TWordList::SetShapeBoxIndex(int recordNumber)
{
    if (m_shapeEntries.empty())
        return;
    const auto found = std::ranges::find(m_shapeEntries, recordNumber, &shapes::ShapeListEntry::record);
    const QSignalBlocker quiet(m_shapeBox);
    m_shapeBox->setCurrentRow(
        found == m_shapeEntries.end() ? 0 : static_cast<int>(found - m_shapeEntries.begin()));
}

const shapes::ShapeListEntry *TWordList::selectedShape() const
{
    const int row = m_shapeBox->currentRow();
    if (row < 0 || row >= static_cast<int>(m_shapeEntries.size()))
        return nullptr;
    return &m_shapeEntries[static_cast<std::size_t>(row)];
}

void TWordList::LoadALayout()
{
    const shapes::ShapeListEntry *entry = selectedShape();
    if (!entry)
        return;
    if (entry->record == CurrentPuzzleEntry) {
        *m_context.currentShape = *m_ownShape;
        m_modifyShape->setEnabled(false);
        m_deleteShape->setEnabled(false);
        return;
    }
    m_context.settings.lastShape = entry->record;
    const Result<shapes::ShapeRecord> shape = shapes::readShape(m_context.shapeLibrary(), entry->record);
    if (!shape) {
        app::show(this, shape.error());
        return;
    }
    *m_context.currentShape = *shape;
    m_modifyShape->setEnabled(m_isNew);
    m_deleteShape->setEnabled(m_isNew);
}

void TWordList::ShapeBoxClick()
{
    LoadALayout();
    DrawTheBox();
}

void TWordList::DrawTheBox()
{
    if (m_shapeEntries.empty())
        return;
    m_shapePicture->setPixmap(
        QPixmap::fromImage(shapes::drawShapePicture(*m_context.currentShape, m_shapePicture->size())));
}

void TWordList::DrawPageBox()
{
    m_pagePicture->setPixmap(QPixmap::fromImage(
        editor::DrawPageBox(m_context.working->layout, m_pagePicture->size(), shapes::buttonFaceColour())));
}

void TWordList::showShape(int recordNumber)
{
    SetShapeBoxIndex(recordNumber);
    LoadALayout();
    DrawTheBox();
}

int TWordList::lastLibraryRecord() const
{
    return static_cast<int>(std::ranges::count_if(m_shapeEntries, [](const shapes::ShapeListEntry &entry) {
        return entry.record != CurrentPuzzleEntry;
    })) - 1;
}

bool TWordList::runShapeDesigner(shapes::ShapeDesignerMode mode, int recordNumber)
{
    shapes::TDoShapes designer(m_context, mode, recordNumber, this);
    app::runChild(designer);
    return designer.saved();
}

void TWordList::NewShapeClick()
{
    if (!runShapeDesigner(shapes::ShapeDesignerMode::New, 0))
        return;
    LoadInLayouts();
    showShape(lastLibraryRecord());
}

void TWordList::CopyShapeClick()
{
    shapes::ShapeRecord &shape = *m_context.currentShape;
    const auto original = shape.title;
    shape.title.assign(copyName(shape.title.view(), ShapeTitleCapacity));
    if (!runShapeDesigner(shapes::ShapeDesignerMode::Copy, 0)) {
        // The copy name belongs to the copy; the shape kept in memory keeps its own.
        shape.title = original;
        return;
    }
    LoadInLayouts();
    showShape(lastLibraryRecord());
}

void TWordList::ModifyShapeClick()
{
    const shapes::ShapeListEntry *entry = selectedShape();
    if (!entry || entry->record == CurrentPuzzleEntry)
        return;
    const int recordNumber = entry->record;
    // Listed anew also when nothing was saved: the designer may have found the library changed by
    // another program.
    runShapeDesigner(shapes::ShapeDesignerMode::Modify, recordNumber);
    LoadInLayouts();
    showShape(recordNumber);
}

void TWordList::DeleteShapeClick()
{
    const shapes::ShapeListEntry *entry = selectedShape();
    if (!entry || entry->record == CurrentPuzzleEntry
        || !shapes::deleteShapeAsked(this, m_context, entry->text, entry->record))
        return;
    const int position = m_shapeBox->currentRow();
    LoadInLayouts();
    if (m_shapeEntries.empty())
        return;
    {
        const QSignalBlocker quiet(m_shapeBox);
        m_shapeBox->setCurrentRow(std::min(position, static_cast<int>(m_shapeEntries.size()) - 1));
    }
    LoadALayout();
    DrawTheBox();
}

void TWordList::ImportShapeClick()
{
    const std::optional<shapes::ImportedShape> imported = shapes::importShapeAsked(this, m_context);
    if (!imported)
        return;
    m_shapeEntries.push_back({ shapes::shapeEntryText(imported->shape), imported->record });
    showShapeEntries();
    SetShapeBoxIndex(imported->record);
    m_modifyShape->setEnabled(m_isNew);
    m_deleteShape->setEnabled(m_isNew);
    DrawTheBox();
}

void TWordList::ExportShapeClick()
{
    const shapes::ShapeListEntry *entry = selectedShape();
    if (!entry) {
        app::inform(this, "Error", "No shape selected.");
        return;
    }
    const int recordNumber = entry->record;
    shapes::exportShapeAsked(this, m_context, [&]() -> Result<shapes::ShapeRecord> {
        if (recordNumber == CurrentPuzzleEntry)
            return *m_ownShape;
        return shapes::readShape(m_context.shapeLibrary(), recordNumber);
    });
}

void TWordList::ChangeLayoutClick()
{
    layout::TListPages chooser(m_context, layout::ChooserMode::ForWordList, &m_context.working->layout, this);
    app::runChild(chooser);
    if (chooser.chosen())
        DrawPageBox();
}

} // namespace gw::editor
