#include "generate/ui/TWordLetters.h"

#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace gw::generate {

namespace {

// The setting "Word Sep Char" when no character is chosen.
constexpr char NoSeparator = ' ';

} // namespace

TWordLetters::TWordLetters(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
    , m_dash(app::addCheckBox(this, "WordSepDash", "&Dash (-)", { 16, 96, 110, 19 }))
    , m_slash(app::addCheckBox(this, "WordSepSlash", "&Slash (/)", { 16, 118, 110, 19 }))
    , m_plus(app::addCheckBox(this, "WordSepPlus", "&Plus (+)", { 16, 140, 110, 19 }))
    , m_star(app::addCheckBox(this, "WordSepStar", "S&tar (*)", { 16, 162, 110, 19 }))
    , m_other(app::addCheckBox(this, "WordSepOther", "&User Defined", { 150, 96, 110, 19 }))
    , m_char(new QLineEdit(this))
{
    setWindowTitle("Word Separator Characters");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(282, 214);

    auto *text
        = new QLabel("The following characters (if checked) will be displayed in the puzzle where they "
                     "are used by words.  This is useful in instances where the word to solve for is "
                     "actually more than one word and you wish to have them separated in the puzzle "
                     "itself.",
            this);
    text->setObjectName("Explanation");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(8, 6, 266, 84);

    m_char->setObjectName("WordSepChar");
    m_char->setMaxLength(1);
    m_char->setAlignment(Qt::AlignCenter);
    m_char->setGeometry(168, 118, 24, 21);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 100, 184, 83, 23 });
    ok->setDefault(true);

    connect(m_dash, &QCheckBox::clicked, this, &TWordLetters::WordSepDashClick);
    connect(m_slash, &QCheckBox::clicked, this, &TWordLetters::WordSepSlashClick);
    connect(m_plus, &QCheckBox::clicked, this, &TWordLetters::WordSepPlusClick);
    connect(m_star, &QCheckBox::clicked, this, &TWordLetters::WordSepStarClick);
    connect(m_other, &QCheckBox::clicked, this, &TWordLetters::WordSepOtherClick);
    connect(m_char, &QLineEdit::textChanged, this, &TWordLetters::WordSepCharChange);
    connect(ok, &QPushButton::clicked, this, &TWordLetters::OkButtonClick);
}

void TWordLetters::FormShow()
{
    const model::Settings &settings = m_context.settings;
    m_dash->setChecked(settings.wordSepDash);
    m_slash->setChecked(settings.wordSepSlash);
    m_plus->setChecked(settings.wordSepPlus);
    m_star->setChecked(settings.wordSepStar);
    m_other->setChecked(settings.wordSepOther);
    {
        // A blank is the absence of a separator and shows as an empty box.
        const QSignalBlocker blocker(m_char);
        const char shown = settings.wordSepChar;
        m_char->setText(shown == NoSeparator || shown == 0 ? QString() : toQString(std::string(1, shown)));
    }
}

void TWordLetters::WordSepDashClick()
{
    m_context.settings.wordSepDash = m_dash->isChecked();
}

void TWordLetters::WordSepSlashClick()
{
    m_context.settings.wordSepSlash = m_slash->isChecked();
}

void TWordLetters::WordSepPlusClick()
{
    m_context.settings.wordSepPlus = m_plus->isChecked();
}

void TWordLetters::WordSepStarClick()
{
    m_context.settings.wordSepStar = m_star->isChecked();
}

void TWordLetters::WordSepOtherClick()
{
    m_context.settings.wordSepOther = m_other->isChecked();
}

void TWordLetters::WordSepCharChange()
{
    const std::string typed = fromQString(m_char->text());
    if (typed.empty()) {
        m_context.settings.wordSepChar = NoSeparator;
        return;
    }
    const unsigned char c = static_cast<unsigned char>(typed.front());
    // Letters are what the squares hold; only the ASCII ones are refused.
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        app::inform(this, "Error", "Character cannot be in A..Z.  Please correct.");
        m_context.settings.wordSepChar = NoSeparator;
        m_char->clear();
        return;
    }
    m_context.settings.wordSepChar = static_cast<char>(c);
}

void TWordLetters::OkButtonClick()
{
    accept();
}

} // namespace gw::generate
