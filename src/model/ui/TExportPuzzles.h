#pragma once

#include "model/CollectionLine.h"
#include "ui/TWindow.h"

#include <vector>

class QListWidget;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::model {

// Lists every puzzle of the open collection and writes the chosen ones, unchanged and in list
// order, into a new collection file.
class TExportPuzzles : public app::TWindow
{
    Q_OBJECT

public:
    explicit TExportPuzzles(app::AppContext &context, QWidget *parent = nullptr);

private Q_SLOTS:
    void SelectAllClick();
    void ClearAllClick();
    void SaveFileClick();
    void PuzzleListClick();

private:
    std::vector<CollectionLine> m_lines; // in list order
    QListWidget *m_list;
    QPushButton *m_saveFile;
};

} // namespace gw::model
