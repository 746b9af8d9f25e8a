#include "editor/ui/WordTextWindows.h"

#include "editor/ui/TWordList.h"
#include "model/ui/TExportWords.h"
#include "model/ui/TImportWords.h"
#include "render/TextConversion.h"
#include "ui/Dialogs.h"

#include <vector>

namespace gw::editor {

namespace {

std::vector<model::TableRow> tableRows(const TWordList &editor)
{
    std::vector<model::TableRow> rows;
    rows.reserve(TWordList::Rows);
    for (int row = 1; row <= TWordList::Rows; ++row)
        rows.push_back(
            { fromQString(editor.rowWord(row)), fromQString(editor.rowClue(row)), editor.rowUsed(row) });
    return rows;
}

} // namespace

void runTextImport(TWordList &editor, app::AppContext &context)
{
    std::vector<model::TableRow> rows = tableRows(editor);
    model::TImportWords window(context, rows, &editor);
    if (app::runChild(window) != QDialog::Accepted)
        return;
    for (const int row : window.changedRows()) {
        editor.setRowWord(row + 1, toQString(rows[static_cast<std::size_t>(row)].word));
        editor.setRowClue(row + 1, toQString(rows[static_cast<std::size_t>(row)].clue));
    }
}

void runTextExport(TWordList &editor, app::AppContext &context)
{
    model::TExportWords window(context, tableRows(editor), &editor);
    app::runChild(window);
}

} // namespace gw::editor
