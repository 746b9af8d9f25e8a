#include "spell/ui/TSpellSuggest.h"

#include "render/TextConversion.h"
#include "spell/Dictionaries.h"
#include "spell/SpellingSetup.h"
#include "spell/UserLexicon.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace gw::spell {

namespace {

constexpr int ClientWidth = 360;
constexpr int ClientHeight = 236;

} // namespace

TSpellSuggest::TSpellSuggest(app::AppContext &context, int dictionaryType, QWidget *parent)
    : app::TWindow(context, parent)
    , m_dictionaryType(dictionaryType)
    , m_message(new QLabel(this))
    , m_wordLabel(new QLabel(this))
    , m_suggestions(new QListWidget(this))
{
    setWindowTitle("Spelling Suggestions");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    resize(ClientWidth, ClientHeight);

    m_message->setObjectName("Message");
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setGeometry(8, 8, 344, 30);
    m_message->setText("The following word was not found in the "
        + toQString(userLexiconLanguage(dictionaryType).name)
        + " dictionary.  Suggestions are listed below.");
    m_wordLabel->setObjectName("Word");
    m_wordLabel->setGeometry(8, 42, 344, 18);
    m_wordLabel->setFont(app::designFont("Arial", app::DesignFontPixels, true));
    app::addLabel(this, "SuggestionsLabel", "Suggestions", { 8, 66, 250, 14 });
    m_suggestions->setObjectName("SuggestList");
    m_suggestions->setGeometry(8, 82, 250, 146);

    connect(app::addButton(this, "ReplaceButton", "&Replace", { 268, 82, 84, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TSpellSuggest::ReplaceButtonClick);
    connect(app::addButton(this, "IgnoreButton", "&Ignore", { 268, 112, 84, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TSpellSuggest::IgnoreButtonClick);
    connect(app::addButton(this, "AbortButton", "A&bort", { 268, 142, 84, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TSpellSuggest::AbortButtonClick);
    connect(app::addButton(this, "AddButton", "&Add", { 268, 172, 84, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TSpellSuggest::AddButtonClick);
}

UnknownAnswer TSpellSuggest::ask(const std::string &word, const std::vector<std::string> &suggestions)
{
    m_word = word;
    m_answer = {};
    m_wordLabel->setText(toQString(word));
    m_suggestions->clear();
    for (const std::string &suggestion : suggestions)
        m_suggestions->addItem(toQString(suggestion));
    m_suggestions->setCurrentRow(0);
    m_suggestions->setFocus();
    app::runChild(*this);
    return m_answer;
}

void TSpellSuggest::ReplaceButtonClick()
{
    const QListWidgetItem *chosen = m_suggestions->currentItem();
    if (!chosen || !chosen->isSelected()) {
        app::inform(
            this, "Error", "No replacement word has been selected.  Please choose a replacement first.");
        return;
    }
    m_answer = { UnknownAnswer::Kind::Replace, fromQString(chosen->text()) };
    accept();
}

void TSpellSuggest::IgnoreButtonClick()
{
    m_answer = {};
    accept();
}

void TSpellSuggest::AbortButtonClick()
{
    m_answer = { UnknownAnswer::Kind::Abort, {} };
    reject();
}

void TSpellSuggest::AddButtonClick()
{
    const Status added
        = addToIncludeLexicon(m_context.folders.user / includeLexiconName(m_context.spelling.userStem),
            userLexiconLanguage(m_dictionaryType).languageId, m_word);
    if (!added)
        app::show(this, added.error());
    m_answer = {};
    accept();
}

} // namespace gw::spell
