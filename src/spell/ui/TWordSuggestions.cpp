#include "spell/ui/TWordSuggestions.h"

#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gw::spell {

TWordSuggestions::TWordSuggestions(app::AppContext &context, const std::string &word,
    const std::vector<std::string> &suggestions, QWidget *parent)
    : app::TWindow(context, parent)
    , m_list(new QListWidget(this))
{
    setWindowTitle("Word Suggestions");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(260, 220);

    app::addLabel(this, "SuggestionForLabel", "Suggestion for", { 8, 8, 160, 14 });
    auto *shown = app::addLabel(this, "Word", toQString(word), { 8, 24, 160, 16 });
    shown->setFont(app::designFont("Arial", app::DesignFontPixels, true));
    m_list->setObjectName("SuggestionList");
    m_list->setGeometry(8, 44, 160, 168);
    for (const std::string &suggestion : suggestions)
        m_list->addItem(toQString(suggestion));
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TWordSuggestions::OkButtonClick);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 176, 44, 76, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TWordSuggestions::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 176, 74, 76, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TWordSuggestions::OkButtonClick()
{
    const QListWidgetItem *selected = m_list->currentItem();
    if (!selected || !selected->isSelected())
        return;
    m_chosen = selected->text();
    accept();
}

} // namespace gw::spell
