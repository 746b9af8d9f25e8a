#include "spell/TWordSuggestions.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"
#include "platform/QtText.h"

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

    auto *heading = new QLabel("Suggestion for", this);
    heading->setObjectName("SuggestionForLabel");
    heading->setGeometry(8, 8, 160, 14);
    auto *shown = new QLabel(toQString(word), this);
    shown->setObjectName("Word");
    shown->setFont(app::designFont("Arial", app::DesignFontPixels, true));
    shown->setGeometry(8, 24, 160, 16);
    m_list->setObjectName("SuggestionList");
    m_list->setGeometry(8, 44, 160, 168);
    for (const std::string &suggestion : suggestions)
        m_list->addItem(toQString(suggestion));
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TWordSuggestions::OkButtonClick);

    auto *ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    ok->setGeometry(176, 44, 76, 25);
    connect(ok, &QPushButton::clicked, this, &TWordSuggestions::OkButtonClick);
    auto *cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(176, 74, 76, 25);
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
