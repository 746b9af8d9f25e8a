#include "app/CollectionPanes.h"

#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace gw::app {

namespace {

// Design positions in the client area of the 640 x 480 screen size, below the tool bar.
constexpr int HeadingTop = 45;
constexpr int HeadingHeight = 31;
constexpr int ListTop = HeadingTop + HeadingHeight;
constexpr int ListHeight = 321;
constexpr int CategoryLeft = 16;
constexpr int CategoryWidth = 200;
constexpr int PuzzleLeft = 232;
constexpr int PuzzleWidth = 384;
constexpr int HeadingFontPixels = 16;

QLabel *makeHeading(QWidget *parent, const QString &objectName, const QString &text, int left, int width)
{
    QLabel *heading = addLabel(parent, objectName, text, { left, HeadingTop, width, HeadingHeight });
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(designFont("Arial", HeadingFontPixels));
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    heading->setPalette(palette);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);
    return heading;
}

QListWidget *makeList(QWidget *parent, const QString &objectName, int left, int width)
{
    QListWidget *list = addList(parent, objectName, { left, ListTop, width, ListHeight });
    list->setFont(designFont("Arial", DesignFontPixels));
    // The lines arrive sorted by the core's rule, which a sorting list would undo.
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void fill(QListWidget *list, const std::vector<model::CollectionLine> &lines)
{
    list->clear();
    for (const model::CollectionLine &line : lines)
        list->addItem(toQString(line.text));
}

} // namespace

CollectionPanes::CollectionPanes(AppContext &context, QWidget *parent)
    : QObject(parent)
    , m_context(context)
    , m_categoryList(makeList(parent, "CategoryList", CategoryLeft, CategoryWidth))
    , m_puzzleList(makeList(parent, "PuzzleList", PuzzleLeft, PuzzleWidth))
{
    makeHeading(parent, "CategoryHeading", "Category", CategoryLeft, CategoryWidth);
    makeHeading(parent, "PuzzleHeading", "Puzzles", PuzzleLeft, PuzzleWidth);
    connect(m_categoryList, &QListWidget::currentRowChanged, this, [this](int row) {
        // Picking the line already shown keeps its puzzle selection.
        if (row != m_shownCategoryRow)
            showCategory();
    });
    connect(m_puzzleList, &QListWidget::itemSelectionChanged, this, &CollectionPanes::puzzleSelectionChanged);
    connect(m_puzzleList, &QListWidget::itemDoubleClicked, this, &CollectionPanes::puzzleDoubleClicked);
}

void CollectionPanes::reload()
{
    m_context.lists = model::CollectionLists::load(m_context.collection());
    m_categoryLines = m_context.lists.categoryLines();
    {
        const QSignalBlocker blocker(m_categoryList);
        fill(m_categoryList, m_categoryLines);
        if (!m_categoryLines.empty())
            m_categoryList->setCurrentRow(
                static_cast<int>(m_context.selection.categoryLine(m_categoryLines).value_or(0)));
    }
    showCategory();
}

void CollectionPanes::showCategory()
{
    m_shownCategoryRow = m_categoryList->currentRow();
    m_puzzleLines.clear();
    if (m_shownCategoryRow >= 0 && static_cast<std::size_t>(m_shownCategoryRow) < m_categoryLines.size())
        m_puzzleLines = m_context.lists.puzzleLines(m_categoryLines[m_shownCategoryRow].tag);
    {
        const QSignalBlocker blocker(m_puzzleList);
        fill(m_puzzleList, m_puzzleLines);
        if (const auto line = m_context.selection.takePuzzleLine(m_puzzleLines))
            m_puzzleList->setCurrentRow(static_cast<int>(*line));
    }
    Q_EMIT puzzleSelectionChanged();
}

void CollectionPanes::selectFirstPuzzle()
{
    if (!m_puzzleLines.empty())
        m_puzzleList->setCurrentRow(0);
}

std::optional<std::size_t> CollectionPanes::selectedPuzzleRow() const
{
    const int row = m_puzzleList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_puzzleLines.size()
        || !m_puzzleList->item(row)->isSelected())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

std::string CollectionPanes::shownCategory() const
{
    if (m_shownCategoryRow < 0 || static_cast<std::size_t>(m_shownCategoryRow) >= m_categoryLines.size())
        return {};
    return m_categoryLines[m_shownCategoryRow].text;
}

} // namespace gw::app
