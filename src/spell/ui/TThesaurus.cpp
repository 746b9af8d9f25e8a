#include "spell/ui/TThesaurus.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "spell/ThesaurusLookup.h"
#include "spell/ui/TWordSuggestions.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace gw::spell {

namespace {

constexpr int ClientWidth = 480;
constexpr int ClientHeight = 300;

void fill(QListWidget *list, const std::vector<std::string> &texts)
{
    for (const std::string &text : texts)
        list->addItem(toQString(text));
}

} // namespace

TThesaurus::TThesaurus(app::AppContext &context, int type, const QString &word, QWidget *parent)
    : app::TWindow(context, parent)
    , m_type(type)
{
    setWindowTitle("Thesaurus Lookup");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(ClientWidth, ClientHeight);

    app::addLabel(this, "WordLabel", "Word", { 8, 10, 40, 14 });
    m_word = app::addEdit(this, "WordEdit", word, { 50, 6, 200, 21 });
    auto *lookUp = app::addButton(this, "LookUpButton", "&Look Up", { 258, 5, 84, 25 }, app::AutoDefault::No);
    // Enter in the word field looks the word up.
    lookUp->setDefault(true);
    auto *suggest
        = app::addButton(this, "SuggestButton", "&Suggest", { 348, 5, 84, 25 }, app::AutoDefault::No);

    app::addLabel(this, "CategoryLabel", "Categories", { 8, 38, 230, 14 });
    m_categories = app::addList(this, "CategoryList", { 8, 54, 230, 120 });
    app::addLabel(this, "AntonymLabel", "Antonyms", { 8, 180, 230, 14 });
    m_antonyms = app::addList(this, "AntonymList", { 8, 196, 230, 96 });
    app::addLabel(this, "SynonymLabel", "Synonyms", { 246, 38, 226, 14 });
    m_synonyms = app::addList(this, "SynonymList", { 246, 54, 226, 206 });

    m_accept = app::addButton(this, "AcceptButton", "&Accept", { 300, 268, 84, 25 }, app::AutoDefault::No);
    auto *abort = app::addButton(this, "AbortButton", "A&bort", { 388, 268, 84, 25 }, app::AutoDefault::No);

    connect(lookUp, &QPushButton::clicked, this, &TThesaurus::LookUpClick);
    connect(suggest, &QPushButton::clicked, this, &TThesaurus::SuggestClick);
    connect(m_accept, &QPushButton::clicked, this, &TThesaurus::AcceptClick);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_categories, &QListWidget::currentRowChanged, this, &TThesaurus::CategoryListClick);
    connect(m_antonyms, &QListWidget::currentRowChanged, this, &TThesaurus::AntonymListClick);
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, &TThesaurus::SynonymListDblClick);
}

TThesaurus::~TThesaurus() = default;

void TThesaurus::FormShow()
{
    Result<std::unique_ptr<ThesaurusLookup>> opened = ThesaurusLookup::open(m_context.folders.data, m_type);
    if (!opened) {
        app::show(this, opened.error());
        return;
    }
    m_thesaurus = std::move(*opened);
    LookUpClick();
}

void TThesaurus::LookUpClick()
{
    const QSignalBlocker quietCategories(m_categories);
    const QSignalBlocker quietAntonyms(m_antonyms);
    m_categories->clear();
    m_antonyms->clear();
    m_synonyms->clear();
    if (!m_thesaurus)
        return;
    const std::optional<Meanings> meanings = m_thesaurus->lookUp(trimmed(fromQString(m_word->text())));
    if (!meanings) {
        app::inform(this, "Warning",
            "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.");
        return;
    }
    fill(m_categories, meanings->categories);
    fill(m_antonyms, meanings->antonyms);
    if (m_categories->count() == 0)
        return;
    m_categories->setCurrentRow(0);
    loadSynonyms(m_categories->item(0)->text());
}

void TThesaurus::loadSynonyms(const QString &categoryText)
{
    m_accept->setEnabled(true);
    m_synonyms->clear();
    fill(m_synonyms, m_thesaurus->synonyms(fromQString(categoryText)));
    if (m_synonyms->count() > 0)
        m_synonyms->setCurrentRow(0);
    else
        m_accept->setEnabled(false);
}

void TThesaurus::CategoryListClick()
{
    const QListWidgetItem *category = m_categories->currentItem();
    if (!category || !m_thesaurus)
        return;
    {
        const QSignalBlocker quiet(m_antonyms);
        m_antonyms->setCurrentRow(-1);
    }
    loadSynonyms(category->text());
}

void TThesaurus::AntonymListClick()
{
    const QListWidgetItem *antonym = m_antonyms->currentItem();
    if (!antonym || !m_thesaurus)
        return;
    {
        const QSignalBlocker quiet(m_categories);
        m_categories->setCurrentRow(-1);
    }
    loadSynonyms(antonym->text());
}

void TThesaurus::SynonymListDblClick(QListWidgetItem *synonym)
{
    m_word->setText(synonym->text());
    LookUpClick();
}

void TThesaurus::SuggestClick()
{
    if (!m_thesaurus)
        return;
    const std::string word(trimmed(fromQString(m_word->text())));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<std::string> similar = m_thesaurus->suggestions(word);
    QApplication::restoreOverrideCursor();
    if (similar.empty()) {
        app::inform(this, "Error", "No suggestions found for the word " + toQString(word) + ".");
        return;
    }
    TWordSuggestions suggestions(m_context, word, similar, this);
    if (app::runChild(suggestions) != QDialog::Accepted)
        return;
    m_word->setText(suggestions.chosen());
    LookUpClick();
}

void TThesaurus::AcceptClick()
{
    const QListWidgetItem *synonym = m_synonyms->currentItem();
    if (!synonym || !synonym->isSelected()) {
        app::inform(
            this, "Error", "No replacement word has been selected.  Please choose a replacement first.");
        return;
    }
    m_accepted = true;
    m_acceptedText = synonym->text();
    accept();
}

} // namespace gw::spell
