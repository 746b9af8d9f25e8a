#pragma once

#include "editor/ui/TWordList.h"
#include "model/PuzzleRecord.h"
#include "uisupport/UiTestSupport.h"

#include <QString>
#include <memory>

class QTableWidget;

namespace gw::test {

// Types into one cell of an editor's grid (rows counted from 1) through the cell editor,
// replacing what the cell held, and leaves it with Return.
void typeCell(QWidget &editor, int row, int column, const QString &typed);

// A workspace with scripted dialogs and a word list editor on a new puzzle (or, after
// storeAndModify, on a stored one), driven through its controls.
struct WordListEditor
{
    WordListEditor();

    TestWorkspace workspace;
    ScriptedDialogs dialogs;
    std::unique_ptr<editor::TWordList> window;
    QString collection = workspace.path("start/PUZZLES.ZP3");

    app::AppContext &context() { return workspace.context(); }

    // The record stored as record 1, behind another puzzle, and loaded as Modify loads it.
    void storeAndModify(const model::PuzzleRecord &record);

    editor::TWordList &open();
    // Shows the editor and waits until it is active, so that cell editors take the keyboard.
    void show();

    template <typename Control> Control *find(const char *name) const
    {
        auto *found = window->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTableWidget *grid() const;
    void click(const char *button) { clickButton(*window, button); }
    // Replaces the text of a line edit, or of the Category box, by typing.
    void type(const char *name, const QString &typed);
    void typeCell(int row, int column, const QString &typed) { test::typeCell(*window, row, column, typed); }
};

} // namespace gw::test
