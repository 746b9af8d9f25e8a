#include "spell/ui/WordListSpelling.h"

#include "editor/ui/TWordList.h"
#include "model/PuzzleRecord.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"
#include "spell/SpellWalk.h"
#include "spell/ui/TLanguageChoice.h"
#include "spell/ui/TSpellSuggest.h"
#include "spell/ui/TThesaurus.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <optional>

namespace gw::spell {

void SpellClueClick(editor::TWordList &editor, app::AppContext &context)
{
    if (context.settings.dictionary != DictionaryChooseAtCheck) {
        DoSpellCheck(editor, context, context.settings.dictionary);
        return;
    }
    TLanguageChoice chooser(context, "Spell Check", TLanguageChoice::dictionaryChoices(context),
        context.settings.userDictionary, &editor);
    if (app::runChild(chooser) == QDialog::Accepted)
        DoSpellCheck(editor, context, context.settings.userDictionary);
}

void DoSpellCheck(editor::TWordList &editor, app::AppContext &context, int dictionaryType)
{
    WalkEnd end = WalkEnd::AllFound;
    {
        Result<SpellCheckSession> session = SpellCheckSession::open(
            context.folders.data, context.folders.user, dictionaryType, context.spelling.userStem);
        if (!session) {
            app::show(&editor, session.error());
            return;
        }
        std::vector<SpellRow> rows;
        for (int row = 1; row <= editor::TWordList::Rows; ++row)
            rows.push_back({ fromQString(editor.rowWord(row)), fromQString(editor.rowClue(row)) });

        TSpellSuggest suggest(context, dictionaryType, &editor);
        SpellWalkSteps steps;
        steps.accepted = [&](std::string_view text) { return session->accepted(text); };
        steps.suggestions = [&](std::string_view text) { return session->suggestions(text); };
        steps.choose = [&](const std::string &text, const std::vector<std::string> &suggestions) {
            return suggest.ask(text, suggestions);
        };
        steps.noSuggestions = [&](const std::string &text) { app::show(&editor, noSuggestionsNotice(text)); };
        steps.replaceWord
            = [&](int row, const std::string &word) { editor.setRowWord(row, toQString(word)); };
        steps.replaceClue
            = [&](int row, const std::string &clue) { editor.setRowClue(row, toQString(clue)); };
        end = walkWordsAndClues(rows, context.workingIsNew, steps);
    }
    app::show(&editor, walkReport(end));
}

void ThesClick(editor::TWordList &editor, app::AppContext &context, int row)
{
    if (row < 1 || row > editor::TWordList::Rows)
        return;
    if (context.settings.thesaurus != ThesaurusChooseAtUse) {
        DoThesCheck(editor, context, row, context.settings.thesaurus);
        return;
    }
    TLanguageChoice chooser(context, "Thesaurus", TLanguageChoice::thesaurusChoices(context),
        context.settings.userThesaurus, &editor);
    if (app::runChild(chooser) == QDialog::Accepted)
        DoThesCheck(editor, context, row, context.settings.userThesaurus);
}

void DoThesCheck(editor::TWordList &editor, app::AppContext &context, int row, int thesaurusType)
{
    const QString word = toQString(trimmed(fromQString(editor.rowWord(row))));
    TThesaurus lookup(context, thesaurusType, word, &editor);
    app::runChild(lookup);
    if (lookup.accepted())
        editor.setRowClue(
            row, toQString(storedText(fromQString(lookup.acceptedText()), model::ClueCapacity)));
}

} // namespace gw::spell
