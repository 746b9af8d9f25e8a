#pragma once

#include "model/CollectionLine.h"
#include "ui/TWindow.h"

#include <filesystem>
#include <vector>

class QListWidget;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::model {

// Lists the puzzles of another collection file and appends the chosen ones, unchanged, to the
// open collection.  The window is accepted once puzzles were imported; the main window then
// reloads its lists.
class TImportPuzzles : public app::TWindow
{
    Q_OBJECT

public:
    TImportPuzzles(app::AppContext &context, const std::filesystem::path &chosen, QWidget *parent = nullptr);

private Q_SLOTS:
    void SelectAllClick();
    void ClearAllClick();
    void OkClick();
    void PuzzleListClick();

private:
    std::filesystem::path m_chosen;
    std::vector<CollectionLine> m_lines; // in list order
    QListWidget *m_list;
    QPushButton *m_ok;
};

} // namespace gw::model
