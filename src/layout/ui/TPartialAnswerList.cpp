#include "layout/ui/TPartialAnswerList.h"

#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gw::layout {

TPartialAnswerList::TPartialAnswerList(
    app::AppContext &context, const model::PuzzleRecord &puzzle, Flags &flags, QWidget *parent)
    : app::TWindow(context, parent)
    , m_flags(flags)
    , m_words(new QListWidget(this))
{
    setWindowTitle("Partial Answer");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(250, 330);

    auto *text = app::addLabel(
        this, "Explanation", "Select those words you would like filled in the puzzle.", { 12, 8, 226, 32 });
    text->setWordWrap(true);

    m_words->setObjectName("WordList");
    m_words->setSelectionMode(QAbstractItemView::MultiSelection);
    m_words->setGeometry(12, 44, 226, 242);
    // Entry order, so that line k is word entry k + 1; the record's count is untrusted.
    for (int entry = 0; entry < puzzle.safeWordCount(); ++entry) {
        auto *line = new QListWidgetItem(toQString(puzzle.words[entry].view()), m_words);
        line->setSelected(flags[static_cast<std::size_t>(entry)] != 0);
    }

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 72, 296, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TPartialAnswerList::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 159, 296, 79, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPartialAnswerList::OkButtonClick()
{
    m_flags = {};
    for (int row = 0; row < m_words->count(); ++row)
        m_flags[static_cast<std::size_t>(row)] = m_words->item(row)->isSelected() ? 1 : 0;
    accept();
}

} // namespace gw::layout
