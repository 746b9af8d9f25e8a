#pragma once

#include "ui/TWindow.h"

#include <QString>
#include <vector>

class QRadioButton;

namespace gw::app {
struct AppContext;
}

namespace gw::spell {

// The chooser shown when the language is asked for at use time: "Spell Check" over the eight
// dictionaries, "Thesaurus" over the two thesauri.  A choice is stored in its setting ("User
// Dictionary", "User Thesaurus") as soon as it is picked; Ok accepts, Cancel rejects.
class TLanguageChoice : public app::TWindow
{
    Q_OBJECT

public:
    struct Choice
    {
        QString name; // "American"; the radio button is named Choice + name
        bool installed; // a choice not installed is disabled
    };

    // Choice k (from 1) stands for the value k of the setting, which presets the choice.
    TLanguageChoice(app::AppContext &context, const QString &caption, const std::vector<Choice> &choices,
        int &setting, QWidget *parent);

    // The window for the dictionaries and for the thesauri.
    static std::vector<Choice> dictionaryChoices(const app::AppContext &context);
    static std::vector<Choice> thesaurusChoices(const app::AppContext &context);
};

} // namespace gw::spell
