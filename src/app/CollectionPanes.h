#pragma once

#include "model/CollectionLine.h"

#include <QObject>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace gw::app {

struct AppContext;

// The main window's two lists under their yellow headings: the categories of the open
// collection and the puzzles of the selected category, in the order the core sorts them.
// The lines are built from the context's tables and reselect its selection memory.
class CollectionPanes : public QObject
{
    Q_OBJECT

public:
    CollectionPanes(AppContext &context, QWidget *parent);

    // Reads the open collection's tables again and shows them: the remembered category, else
    // the first, and its puzzles with the remembered title selected.
    void reload();
    void selectFirstPuzzle();

    // The selected line of the puzzle list and its position, when there is one.
    std::optional<std::size_t> selectedPuzzleRow() const;
    const std::vector<model::CollectionLine> &puzzleLines() const { return m_puzzleLines; }
    // The category whose puzzles are shown, empty when none.
    std::string shownCategory() const;

Q_SIGNALS:
    // The puzzle list gained or lost its selected line.
    void puzzleSelectionChanged();
    void puzzleDoubleClicked();

private:
    void showCategory();

    AppContext &m_context;
    QListWidget *m_categoryList;
    QListWidget *m_puzzleList;
    std::vector<model::CollectionLine> m_categoryLines; // in list order
    std::vector<model::CollectionLine> m_puzzleLines; // in list order
    int m_shownCategoryRow = -1;
};

} // namespace gw::app
