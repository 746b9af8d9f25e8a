#include "generate/TAddAClue.h"

#include "app/AppContext.h"
#include "app/WindowLook.h"

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

template <typename Control> Control *place(Control *control, const char *name, const QRect &design)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(design);
    return control;
}

} // namespace

TAddAClue::TAddAClue(app::AppContext &context, const QString &word, QWidget *parent)
    : app::TWindow(context, parent)
    , m_word(place(new QLabel(word, this), "MyWord", { 52, 8, 525, 17 }))
    , m_clue(place(new QLineEdit(this), "TheClue", { 52, 30, 525, 21 }))
    , m_upper(place(new QRadioButton("&Upper Case", this), "Upper", { 52, 58, 100, 19 }))
    , m_lower(place(new QRadioButton("&Lower Case", this), "Lower", { 160, 58, 100, 19 }))
    , m_firstLet(place(new QRadioButton("&First Letter Cap", this), "FirstLet", { 268, 58, 120, 19 }))
{
    setWindowTitle("Add A Clue");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(592, 83);
    place(new QLabel("Word:", this), "WordLabel", { 8, 8, 40, 17 });
    auto *clueLabel = place(new QLabel("Clue:", this), "ClueLabel", { 8, 32, 40, 17 });
    clueLabel->setBuddy(m_clue);
    // The word stands out in bold whatever the user's label font says.
    m_word->setFont(app::designFont("Arial", app::DesignFontPixels, true));
    m_word->setProperty("gwKeepFont", true);
    m_clue->setMaxLength(ClueLength);

    auto *ok = place(new QPushButton("&Ok", this), "OkButton", { 494, 57, 83, 21 });
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
