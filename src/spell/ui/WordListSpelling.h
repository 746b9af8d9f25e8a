#pragma once

namespace gw::app {
struct AppContext;
}
namespace gw::editor {
class TWordList;
}

namespace gw::spell {

// The word list editor's Spell Check: with "Dictionary" = 9 the "Spell Check" chooser asks for
// the language first.  DoSpellCheck walks the words (of a new puzzle) and the clues through the
// dictionary of dictionaryType 1..8, showing "Spelling Suggestions" for each unknown text and
// writing replacements into the editor's rows.
void SpellClueClick(editor::TWordList &editor, app::AppContext &context);
void DoSpellCheck(editor::TWordList &editor, app::AppContext &context, int dictionaryType);

// The editor's Thesaurus for grid row 1..200: with "Thesaurus" = 3 the "Thesaurus" chooser
// asks which one first.  DoThesCheck looks the row's trimmed word up in thesaurus type 1 or 2
// and puts an accepted synonym into the row's clue.
void ThesClick(editor::TWordList &editor, app::AppContext &context, int row);
void DoThesCheck(editor::TWordList &editor, app::AppContext &context, int row, int thesaurusType);

} // namespace gw::spell
