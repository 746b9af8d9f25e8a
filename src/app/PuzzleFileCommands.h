#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace gw::app {

struct AppContext;

// The main window's commands that move puzzles between files.

// File, Import Puzzles: a collection file opens the import window, a 16-bit file and a
// crossword of another program (.ipuz, .puz) are converted and appended at once.  afterCopy
// runs once puzzles were copied from a collection, so the main window can reselect what it
// showed and reload; a converted puzzle is reselected by itself.
void importPuzzlesCommand(QWidget *parent, AppContext &context, const std::function<void()> &afterCopy);

// File, Export Puzzles.
void exportPuzzlesCommand(QWidget *parent, AppContext &context);

// Start-up: offers to convert the previous version's puzzle and shape files found in the start
// directory.  True when a collection file was written.
bool convertPreviousVersion(QWidget *parent, AppContext &context);

} // namespace gw::app
