#include "layout/ui/TExtractPage.h"

#include "layout/LayoutLibrary.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "render/TextConversion.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gw::layout {

TExtractPage::TExtractPage(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Extract Page Layout From Puzzle"));
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(300, 290);
    app::addLabel(
        this, QStringLiteral("PuzzleHeading"), QStringLiteral("Available Puzzles"), { 10, 8, 280, 17 });
    m_list = app::addList(this, QStringLiteral("PuzzleList"), { 10, 28, 280, 214 });
    auto *extract = app::addButton(
        this, QStringLiteral("ExtractButton"), QStringLiteral("&Extract"), { 124, 254, 79, 25 });
    extract->setDefault(true);
    connect(extract, &QPushButton::clicked, this, &TExtractPage::ExtractClick);
    auto *cancel = app::addButton(
        this, QStringLiteral("CancelButton"), QStringLiteral("&Cancel"), { 211, 254, 79, 25 });
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const model::CollectionLists lists = model::CollectionLists::load(m_context.collection());
    for (const model::CollectionPuzzle &puzzle : lists.puzzles())
        m_puzzles.push_back({ puzzle.title, puzzle.recordNumber });
    model::sortAlphabetically(m_puzzles);
    for (const model::CollectionLine &line : m_puzzles)
        m_list->addItem(toQString(line.text));
}

void TExtractPage::ExtractClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_puzzles.size()) || !m_list->currentItem()->isSelected()) {
        app::inform(
            this, QStringLiteral("Error"), QStringLiteral("No puzzles have been selected for export."));
        return;
    }
    const auto puzzle = model::readPuzzle(
        m_context.collection(), m_puzzles[row].tag, Failure { "Error", "Unable to open puzzle." });
    if (!puzzle) {
        app::show(this, puzzle.error());
        return;
    }
    const auto added = addLayout(m_context.layoutLibraryToChange(), puzzle->layout);
    if (!added) {
        app::show(this, added.error());
        return;
    }
    m_added = *added;
    accept();
}

} // namespace gw::layout
