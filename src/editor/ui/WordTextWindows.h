#pragma once

namespace gw::app {
struct AppContext;
}

namespace gw::editor {

class TWordList;

// The word list editor's Import and Export: the text windows run modally on the editor's rows
// 1..200.  Import writes back only the rows it filled, so rows it did not touch keep exactly
// what was typed.
void runTextImport(TWordList &editor, app::AppContext &context);
void runTextExport(TWordList &editor, app::AppContext &context);

} // namespace gw::editor
