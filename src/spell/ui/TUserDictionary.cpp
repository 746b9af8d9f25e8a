#include "spell/ui/TUserDictionary.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "spell/SpellingSetup.h"
#include "spell/Ssce.h"
#include "spell/UserLexicon.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <vector>

namespace gw::spell {

TUserDictionary::TUserDictionary(app::AppContext &context, Mode mode, QWidget *parent)
    : app::TWindow(context, parent)
    , m_mode(mode)
    , m_words(new QListWidget(this))
    , m_newWord(new QLineEdit(this))
{
    setWindowTitle("Dictionary Maintenance");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(324, 268);

    const QString language = toQString(userLexiconLanguage(context.settings.dictionary).name);
    auto *heading = new QLabel(mode == Mode::Include
            ? "These words will be added to the " + language + " dictionary and counted as valid."
            : "These words will be excluded from the  " + language + " dictionary and will be invalid.",
        this);
    heading->setObjectName("Heading");
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    heading->setGeometry(8, 8, 308, 30);

    m_words->setObjectName("WordList");
    m_words->setGeometry(8, 44, 200, 186);
    m_newWord->setObjectName("NewWord");
    m_newWord->setMaxLength(SsceWordCapacity);
    m_newWord->setGeometry(8, 238, 200, 21);

    auto *add = app::addButton(this, "AddButton", "&Add", { 216, 236, 100, 25 }, app::AutoDefault::No);
    // Enter in the field adds the word, as the button beside it does.
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &TUserDictionary::AddButtonClick);
    connect(app::addButton(this, "DeleteButton", "&Delete", { 216, 44, 100, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TUserDictionary::DeleteButtonClick);
    connect(app::addButton(this, "OkButton", "&Ok", { 216, 166, 100, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &TUserDictionary::OkButtonClick);
    connect(app::addButton(this, "CancelButton", "&Cancel", { 216, 196, 100, 25 }, app::AutoDefault::No),
        &QPushButton::clicked, this, &QDialog::reject);
}

std::filesystem::path TUserDictionary::lexiconFile() const
{
    const std::string &stem = m_context.spelling.userStem;
    return m_context.folders.user
        / (m_mode == Mode::Include ? includeLexiconName(stem) : excludeLexiconName(stem));
}

void TUserDictionary::FormShow()
{
    const Result<std::vector<std::string>> words = readUserLexicon(lexiconFile());
    if (!words) {
        app::show(this, words.error());
        return;
    }
    for (const std::string &word : *words)
        m_words->addItem(toQString(word));
    m_newWord->setFocus();
}

void TUserDictionary::AddButtonClick()
{
    const std::string word(trimmed(fromQString(m_newWord->text())));
    if (!word.empty())
        m_words->addItem(toQString(word));
    m_newWord->clear();
    m_newWord->setFocus();
}

void TUserDictionary::DeleteButtonClick()
{
    const int row = m_words->currentRow();
    if (row < 0 || !m_words->currentItem()->isSelected())
        return;
    delete m_words->takeItem(row);
    if (m_words->count() > 0)
        m_words->setCurrentRow(std::min(row, m_words->count() - 1));
}

void TUserDictionary::OkButtonClick()
{
    std::vector<std::string> words;
    for (int row = 0; row < m_words->count(); ++row)
        words.push_back(fromQString(m_words->item(row)->text()));
    const Status written
        = writeUserLexicon(lexiconFile(), m_mode == Mode::Include ? SsceIncludeLexicon : SsceExcludeLexicon,
            userLexiconLanguage(m_context.settings.dictionary).languageId, words);
    if (!written) {
        // The list stays on screen, so the user can try again or cancel.
        app::show(this, written.error());
        return;
    }
    accept();
}

} // namespace gw::spell
