#pragma once

#include "spell/SpellWalk.h"
#include "ui/TWindow.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::spell {

// "Spelling Suggestions": a word the dictionary does not accept, with the engine's
// suggestions.  Made once per check run and shown again for every unknown word; Add puts the
// word into the run's include lexicon and passes it over.
class TSpellSuggest : public app::TWindow
{
    Q_OBJECT

public:
    // dictionaryType 1..8: the language checked in, named in the window and given to a new
    // include lexicon.
    TSpellSuggest(app::AppContext &context, int dictionaryType, QWidget *parent);

    // Shows the word and its suggestions, the first selected, until the user decides.
    UnknownAnswer ask(const std::string &word, const std::vector<std::string> &suggestions);

private Q_SLOTS:
    void ReplaceButtonClick();
    void IgnoreButtonClick();
    void AbortButtonClick();
    void AddButtonClick();

private:
    int m_dictionaryType;
    std::string m_word;
    UnknownAnswer m_answer;
    QLabel *m_message;
    QLabel *m_wordLabel;
    QListWidget *m_suggestions;
};

} // namespace gw::spell
