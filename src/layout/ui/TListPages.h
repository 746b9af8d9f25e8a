#pragma once

#include "layout/LayoutListEntry.h"
#include "layout/LayoutRecord.h"
#include "layout/ui/TDoPages.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace gw::layout {

// Who opened the chooser: the main window manages the library, the word list editor and the
// print window choose a layout for the puzzle they hold.
enum class ChooserMode { Manage = 1, ForWordList = 2, ForPrinting = 3 };

// The layout chooser ("Puzzle Page Layouts"): lists the layout library with a preview of the
// selected layout, opens the designer on new, changed and copied layouts, deletes, exports,
// imports, extracts layouts from stored puzzles and sets the default for new puzzles.
class TListPages : public app::TWindow
{
    Q_OBJECT

public:
    // target is the layout Select copies the chosen one into (the puzzle's in the word list
    // editor, the printout's in the print window); unused when managing.
    TListPages(app::AppContext &context, ChooserMode mode, LayoutRecord *target, QWidget *parent = nullptr);
    ~TListPages() override;

    // Set when the user left with Select; the target then holds the chosen layout.
    bool chosen() const { return m_chosen; }

    // The record number of the selected entry, -1 when none is.
    int selectedRecord() const;
    const LayoutRecord &selectedLayout() const { return *m_selected; }

private Q_SLOTS:
    void SelectClick();
    void ExitClick();
    void ImportClick();
    void ExportClick();
    void ModifyClick();
    void CopyClick();
    void DeleteClick();
    void NewClick();
    void SetDefaultClick();
    void ExtractClick();
    void PageListChange();

private:
    void FormShow() override;
    bool reloadList();
    void selectRow(int row);
    void selectRecord(int record);
    void readSelectedLayout();
    void drawPreview();
    void setButtons();
    bool openDesigner(PageDesignerMode mode, int record, const LayoutRecord &layout);
    // After a layout was added: list again and select the new last record.
    void selectAdded(int record);
    bool noneSelected();

    ChooserMode m_mode;
    LayoutRecord *m_target;
    bool m_chosen = false;
    std::unique_ptr<LayoutRecord> m_selected;
    std::vector<LayoutListEntry> m_entries; // in list order

    QListWidget *m_list = nullptr;
    QLabel *m_preview = nullptr;
    QPushButton *m_select = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_modify = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace gw::layout
