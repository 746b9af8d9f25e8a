#pragma once

#include "model/WordTextTransfer.h"
#include "model/ui/TransferControls.h"
#include "ui/TWindow.h"

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::model {

// Reads the lines of a text file and puts the chosen ones into the word list editor's rows, as
// words, as clues or as word and clue pairs.  Works on the rows it is given; the editor copies
// back the rows named by changedRows() once the window is accepted.
class TImportWords : public app::TWindow
{
    Q_OBJECT

public:
    TImportWords(app::AppContext &context, std::vector<TableRow> &rows, QWidget *parent = nullptr);

    // The rows filled by Ok, from 0.
    const std::vector<int> &changedRows() const { return m_changed; }

private Q_SLOTS:
    void OpenFileClick();
    void OkClick();
    void SelectAllClick();
    void ClearClick();
    void ModeClick();
    void SeparatorChange();

private:
    std::vector<TableRow> &m_rows;
    std::vector<std::string> m_lines; // in list order
    std::vector<int> m_changed;
    QListWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_selectAll;
    QPushButton *m_clear;
    TextModeControls m_modes;
};

} // namespace gw::model
