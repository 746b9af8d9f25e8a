#pragma once

#include "editor/CreateChecks.h"
#include "shapes/ShapeListEntry.h"
#include "shapes/ui/TDoShapes.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace gw::editor {

// The word list editor: title, category, bonus question, up to 200 words with their clues, the
// puzzle shape and the page layout of the working puzzle, and Create, which runs the generator
// and the candidate chooser.  A stored puzzle keeps its grid: only its texts, clues and layout
// change, and Save writes it back in place.
class TWordList : public app::TWindow
{
    Q_OBJECT

public:
    static constexpr int Rows = 200;
    enum Column { CntColumn, UColumn, WordColumn, ClueColumn };
    // The list entry number of a stored puzzle's own shape, "<Current Puzzle>".
    static constexpr int CurrentPuzzleEntry = 100000;

    // The main window has set up the working record, workingIsNew and workingRecordNumber.
    TWordList(app::AppContext &context, const QString &caption, QWidget *parent = nullptr);
    ~TWordList() override;

    // The grid rows 1..200, as the text import and export windows read and fill them.
    QString rowWord(int row) const;
    QString rowClue(int row) const;
    bool rowUsed(int row) const;
    void setRowWord(int row, const QString &text);
    void setRowClue(int row, const QString &text);

    // Rows whose trimmed word is not empty.
    int GetWordCount() const;
    // Bonus question, title, category and the rows into the working record.
    void SetValues();
    // Writes the working record over its record in the collection; false after a failure.
    bool SaveIt();
    // After SetValues: whether the texts or the layout header differ from the reference copy.
    bool PuzzleChanged();
    // The text the cell editor of row 1..200 starts on: a word cut to 30 characters, a clue to 150.
    QString WordsCluesGridGetEditText(int row, int column) const;

    void reject() override;

private Q_SLOTS:
    void CreateItClick();
    void SaveButtonClick();
    void CancelClick();
    void DeleteClueClick();
    void DeleteAllClueClick();
    void ImportClueClick();
    void ExportClueClick();
    void SpellClueClick();
    void ThesClick();
    void AddWordsButtonClick();
    void IntCharButtonClick();
    void AutoShrinkClick();
    void QuickCreateClick();
    void ShapeBoxClick();
    void ModifyShapeClick();
    void NewShapeClick();
    void CopyShapeClick();
    void DeleteShapeClick();
    void ImportShapeClick();
    void ExportShapeClick();
    void ChangeLayoutClick();

private:
    void FormCreate();
    void FormShow() override;
    void buildControls();
    void buildGrid();
    void buildShortcuts();
    void fillGrid();
    void scaleGrid();

    // The shape list: builds it and gives the record number of the entry to select, or
    // nothing when it stayed empty.
    std::optional<int> LoadInLayouts();
    void showShapeEntries();
    void SetShapeBoxIndex(int recordNumber);
    void LoadALayout();
    void DrawTheBox();
    void DrawPageBox();
    const shapes::ShapeListEntry *selectedShape() const;
    // Selects the entry of the record (or the first), loads and draws it.
    void showShape(int recordNumber);
    // The record number of the last library record listed.
    int lastLibraryRecord() const;
    bool runShapeDesigner(shapes::ShapeDesignerMode mode, int recordNumber);

    // Shows a refused entry and sends the user back to it.
    void refuse(const EntryProblem &problem);
    bool titleAndCategoryAccepted();
    // After SetValues: whether the title, category, bonus question or any grid row differs from
    // the reference copy.
    bool somethingTyped();
    void runGenerator(int attempts);
    // The grid row of word entry n: the n-th row with a word.
    int rowOfEntry(int entry) const;
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString &text);
    void closeEditor(int result);

    bool m_isNew;
    std::unique_ptr<shapes::ShapeRecord> m_ownShape;
    std::unique_ptr<model::PuzzleRecord> m_reference;
    std::vector<shapes::ShapeListEntry> m_shapeEntries; // in list order

    QLineEdit *m_title = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_bonus = nullptr;
    QTableWidget *m_grid = nullptr;
    QListWidget *m_shapeBox = nullptr;
    QLabel *m_shapePicture = nullptr;
    QLabel *m_pagePicture = nullptr;
    QLineEdit *m_attempts = nullptr;
    QCheckBox *m_autoShrink = nullptr;
    QCheckBox *m_quickCreate = nullptr;
    QPushButton *m_deleteClue = nullptr;
    QPushButton *m_deleteAllClue = nullptr;
    QPushButton *m_spellClue = nullptr;
    QPushButton *m_thes = nullptr;
    QPushButton *m_importClue = nullptr;
    QPushButton *m_exportClue = nullptr;
    QPushButton *m_addWords = nullptr;
    QPushButton *m_intChar = nullptr;
    QPushButton *m_modifyShape = nullptr;
    QPushButton *m_deleteShape = nullptr;
    QPushButton *m_copyShape = nullptr;
    QPushButton *m_newShape = nullptr;
    QPushButton *m_importShape = nullptr;
    QPushButton *m_exportShape = nullptr;
    QPushButton *m_changeLayout = nullptr;
    QPushButton *m_createIt = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace gw::editor
