#include "spell/ui/TLanguageChoice.h"

#include "render/TextConversion.h"
#include "spell/Dictionaries.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace gw::spell {

namespace {

constexpr int ClientWidth = 210;
constexpr int RowHeight = 20;

} // namespace

TLanguageChoice::TLanguageChoice(app::AppContext &context, const QString &caption,
    const std::vector<Choice> &choices, int &setting, QWidget *parent)
    : app::TWindow(context, parent)
{
    setWindowTitle(caption);
    setFont(app::designFont("Arial", app::DesignFontPixels));
    const int count = static_cast<int>(choices.size());
    const int groupHeight = 24 + count * RowHeight;
    setFixedSize(ClientWidth, groupHeight + 50);

    auto *group = app::addGroupBox(this, "LanguageGroup", "Language", { 8, 6, 110, groupHeight });
    auto *buttons = new QButtonGroup(this);
    for (int k = 1; k <= count; ++k) {
        const Choice &choice = choices[static_cast<std::size_t>(k - 1)];
        auto *radio = app::addRadioButton(group, "Choice" + choice.name, "&" + choice.name,
            { 10, 18 + (k - 1) * RowHeight, 94, RowHeight });
        radio->setEnabled(choice.installed);
        radio->setChecked(k == setting && choice.installed);
        buttons->addButton(radio, k);
    }
    connect(buttons, &QButtonGroup::idClicked, this, [&setting](int value) { setting = value; });

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 126, 12, 76, 25 });
    ok->setDefault(true);
    // Without a language there is nothing to use.
    ok->setEnabled(buttons->checkedId() > 0);
    connect(buttons, &QButtonGroup::idClicked, ok, [ok] { ok->setEnabled(true); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 126, 42, 76, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<TLanguageChoice::Choice> TLanguageChoice::dictionaryChoices(const app::AppContext &context)
{
    std::vector<Choice> choices;
    for (const DictionaryLanguage &language : dictionaryLanguages())
        choices.push_back({ toQString(language.name),
            context.spelling.dictionaries[static_cast<std::size_t>(language.type - 1)] });
    return choices;
}

std::vector<TLanguageChoice::Choice> TLanguageChoice::thesaurusChoices(const app::AppContext &context)
{
    std::vector<Choice> choices;
    for (int type = 1; type <= ThesaurusCount; ++type)
        choices.push_back({ toQString(thesaurusName(type)),
            context.spelling.thesauri[static_cast<std::size_t>(type - 1)] });
    return choices;
}

} // namespace gw::spell
