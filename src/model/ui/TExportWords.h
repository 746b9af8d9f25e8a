#pragma once

#include "model/WordTextTransfer.h"
#include "model/ui/TransferControls.h"
#include "ui/TWindow.h"

#include <vector>

class QListWidget;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::model {

// Lists the words, the clues or the word and clue pairs of the word list editor's rows and
// writes the chosen lines into a new text file.
class TExportWords : public app::TWindow
{
    Q_OBJECT

public:
    TExportWords(app::AppContext &context, std::vector<TableRow> rows, QWidget *parent = nullptr);

private Q_SLOTS:
    void SaveFileClick();
    void SelectAllClick();
    void ClearClick();
    void SelectUsedClick();
    void ModeClick();
    void SeparatorChange();
    void LineListClick();

private:
    void fillList();

    std::vector<TableRow> m_rows;
    std::vector<ExportLine> m_lines; // in list order
    QListWidget *m_list;
    QPushButton *m_saveFile;
    TextModeControls m_modes;
};

} // namespace gw::model
