#pragma once

#include "app/RecentFiles.h"

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace gw::app {

class ChoiceMenu;

// Every item of the main window's menu bar, named as the program names its menu items.
struct MainWindowMenus
{
    // File
    QAction *newGroup = nullptr;
    QAction *openGroup = nullptr;
    QAction *newPuzzle = nullptr;
    QAction *modifyPuzzle = nullptr;
    QAction *copyPuzzle = nullptr;
    QAction *deletePuzzle = nullptr;
    QAction *importPuzzles = nullptr;
    QAction *exportPuzzles = nullptr;
    QAction *printPuzzle = nullptr;
    QAction *printerSetup = nullptr;
    QAction *exit = nullptr;
    QAction *recentSeparator = nullptr;
    std::array<QAction *, model::RecentFileCount> recent {};

    // Edit
    QAction *pageLayout = nullptr;
    QAction *puzzleShape = nullptr;
    QAction *puzzleWords = nullptr;

    // Options
    ChoiceMenu *screenSize = nullptr; // values: the screen widths 640..1280
    QAction *backgroundBitmap = nullptr;
    QAction *jpegQuality = nullptr;
    ChoiceMenu *pixelFormat = nullptr; // values: "Pixel Format" 1 and 2
    QAction *internationalCharacters = nullptr;
    QAction *clueHeaders = nullptr;
    QAction *wordSeparators = nullptr;
    ChoiceMenu *dictionary = nullptr; // values: "Dictionary" 1..9
    QAction *addToDictionary = nullptr;
    QAction *excludeFromDictionary = nullptr;
    ChoiceMenu *thesaurus = nullptr; // values: "Thesaurus" 1..3
    QAction *labelFont = nullptr;
    QAction *editFont = nullptr;
    QAction *buttonFont = nullptr;

    // Help
    QAction *helpContents = nullptr;
    QAction *userManual = nullptr;
    QAction *tips = nullptr;
    QAction *internetExchange = nullptr;
    QAction *about = nullptr;
    QAction *otherProducts = nullptr;
};

// Fills the window's menu bar with File, Edit, Options and Help, every item with its shortcut.
MainWindowMenus buildMainWindowMenus(QMainWindow *window);

} // namespace gw::app
