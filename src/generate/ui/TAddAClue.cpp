#include "generate/ui/TAddAClue.h"

#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace gw::generate {

namespace {

// Values of the setting "Case Sensitivity".
constexpr int UpperCase = 1;
constexpr int LowerCase = 2;
constexpr int FirstLetterCap = 3;

} // namespace

TAddAClue::TAddAClue(app::AppContext &context, const QString &word, QWidget *parent)
    : app::TWindow(context, parent)
    , m_word(app::addLabel(this, "MyWord", word, { 52, 8, 525, 17 }))
    , m_clue(app::addEdit(this, "TheClue", QString(), { 52, 30, 525, 21 }))
    , m_upper(app::addRadioButton(this, "Upper", "&Upper Case", { 52, 58, 100, 19 }))
    , m_lower(app::addRadioButton(this, "Lower", "&Lower Case", { 160, 58, 100, 19 }))
    , m_firstLet(app::addRadioButton(this, "FirstLet", "&First Letter Cap", { 268, 58, 120, 19 }))
{
    setWindowTitle("Add A Clue");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(592, 83);
    app::addLabel(this, "WordLabel", "Word:", { 8, 8, 40, 17 });
    auto *clueLabel = app::addLabel(this, "ClueLabel", "Clue:", { 8, 32, 40, 17 });
    clueLabel->setBuddy(m_clue);
    // The word stands out in bold whatever the user's label font says.
    m_word->setFont(app::designFont("Arial", app::DesignFontPixels, true));
    m_word->setProperty("gwKeepFont", true);
    m_clue->setMaxLength(ClueLength);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 494, 57, 83, 21 });
    ok->setDefault(true);
    connect(m_upper, &QRadioButton::clicked, this, &TAddAClue::UpperClick);
    connect(m_lower, &QRadioButton::clicked, this, &TAddAClue::LowerClick);
    connect(m_firstLet, &QRadioButton::clicked, this, &TAddAClue::FirstLetClick);
    connect(ok, &QPushButton::clicked, this, &TAddAClue::OkButtonClick);
}

QString TAddAClue::clue() const
{
    return m_clue->text();
}

void TAddAClue::FormShow()
{
    switch (m_context.settings.caseSensitivity) {
    case UpperCase:
        m_upper->setChecked(true);
        break;
    case LowerCase:
        m_lower->setChecked(true);
        break;
    case FirstLetterCap:
        m_firstLet->setChecked(true);
        break;
    default:
        break;
    }
    m_clue->setFocus();
}

void TAddAClue::UpperClick()
{
    m_context.settings.caseSensitivity = UpperCase;
}

void TAddAClue::LowerClick()
{
    m_context.settings.caseSensitivity = LowerCase;
}

void TAddAClue::FirstLetClick()
{
    m_context.settings.caseSensitivity = FirstLetterCap;
}

void TAddAClue::OkButtonClick()
{
    accept();
}

} // namespace gw::generate
