#pragma once

#include "model/CollectionLine.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::model {

// Lists every puzzle of the open collection and writes the chosen ones, unchanged and in list
// order, into a new collection file.
class TExportPuzzles : public QDialog
{
    Q_OBJECT

public:
    explicit TExportPuzzles(app::AppContext &context, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void SelectAllClick();
    void ClearAllClick();
    void SaveFileClick();
    void PuzzleListClick();

private:
    void FormShow();

    app::AppContext &m_context;
    std::vector<CollectionLine> m_lines; // in list order
    bool m_shown = false;
    QListWidget *m_list;
    QPushButton *m_saveFile;
};

} // namespace gw::model
