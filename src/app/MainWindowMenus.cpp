#include "app/MainWindowMenus.h"

#include "app/ChoiceMenu.h"
#include "app/MenuLocalShortcut.h"
#include "ui/Controls.h"
#include "ui/ScreenScale.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace gw::app {

namespace {

void buildFileMenu(QMenuBar *bar, MainWindowMenus &menus)
{
    QMenu *file = addMenu(bar, "MenuFile", "&File");
    menus.newGroup = addItem(file, "MenuNewGroup", "&New Puzzle Collection File", QKeySequence("Ctrl+N"));
    menus.openGroup = addItem(file, "MenuOpenGroup", "&Open Puzzle Collection File", QKeySequence("Ctrl+O"));
    file->addSeparator();
    menus.newPuzzle = addItem(file, "MenuNew", "New &Puzzle", QKeySequence("Ctrl+W"));
    menus.modifyPuzzle = addItem(file, "MenuModify", "&Modify Puzzle", QKeySequence("Ctrl+M"));
    menus.copyPuzzle = addItem(file, "MenuCopy", "&Copy Puzzle", QKeySequence("Ctrl+C"));
    menus.deletePuzzle = addItem(file, "MenuDelete", "&Delete Puzzle", QKeySequence("Ctrl+D"));
    file->addSeparator();
    menus.importPuzzles = addItem(file, "MenuImport", "&Import Puzzles", QKeySequence("Ctrl+I"));
    menus.exportPuzzles = addItem(file, "MenuExport", "&Export Puzzles", QKeySequence("Ctrl+E"));
    file->addSeparator();
    menus.printPuzzle = addItem(file, "MenuPrint", "P&rint Puzzle", QKeySequence("Ctrl+P"));
    menus.printerSetup = addItem(file, "MenuPrinterSetup", "Printer &Setup", QKeySequence("Ctrl+S"));
    file->addSeparator();
    menus.exit = addItem(file, "MenuExit", "E&xit", QKeySequence("Ctrl+X"));
    menus.recentSeparator = file->addSeparator();
    menus.recentSeparator->setObjectName("MenuRecentSeparator");
    for (std::size_t k = 0; k < menus.recent.size(); ++k)
        menus.recent[k] = addItem(file, QString("MenuRecent%1").arg(k + 1), recentFileItemText(k, {}));
}

void buildEditMenu(QMenuBar *bar, MainWindowMenus &menus)
{
    QMenu *edit = addMenu(bar, "MenuEdit", "&Edit");
    menus.pageLayout = addItem(edit, "MenuPageLayout", "Page &Layout", QKeySequence("Ctrl+L"));
    menus.puzzleShape = addItem(edit, "MenuPuzzleShape", "Puzzle &Shape", QKeySequence("Ctrl+H"));
    menus.puzzleWords = addItem(edit, "MenuPuzzleWords", "Puzzle &Words", QKeySequence("Ctrl+F"));
}

void buildOptionsMenu(QMenuBar *bar, MainWindowMenus &menus)
{
    QMenu *options = addMenu(bar, "MenuOptions", "&Options");

    menus.screenSize = new ChoiceMenu(addMenu(options, "MenuScreenSize", "&Screen Size"));
    const char *const sizeKeys[] = { "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4" };
    for (std::size_t k = 0; k < std::size(ScreenSizes); ++k) {
        const ScreenSize &size = ScreenSizes[k];
        menus.screenSize
            ->addChoice(QString("Menu%1").arg(size.width),
                QString("%1 x %2").arg(size.width).arg(size.height), size.width)
            ->setShortcut(QKeySequence(sizeKeys[k]));
    }

    menus.backgroundBitmap = addItem(options, "MenuBackground", "&Background Bitmap", QKeySequence("Ctrl+G"));
    menus.backgroundBitmap->setCheckable(true);
    menus.jpegQuality = addItem(options, "MenuJpeg", "&JPEG Compression Factor", QKeySequence("Ctrl+J"));

    menus.pixelFormat = new ChoiceMenu(addMenu(options, "MenuColors", "&Colors For Saving Bitmaps && JPEGs"));
    menus.pixelFormat->addChoice("Menu256Colors", "&256 Colors", 2);
    menus.pixelFormat->addChoice("Menu16MColors", "&16 Million Colors", 1);
    options->addSeparator();

    menus.internationalCharacters
        = addItem(options, "MenuIntChars", "&International Characters", QKeySequence("Ctrl+Y"));
    menus.clueHeaders = addItem(options, "MenuClueHeaders", "Clue &Headers");
    // Ctrl+H also opens the shape chooser from the Edit menu, which keeps the window shortcut.
    new MenuLocalShortcut(options, menus.clueHeaders, QKeySequence("Ctrl+H"));
    menus.wordSeparators = addItem(options, "MenuWordSep", "&Word Separator Chars", QKeySequence("Ctrl+B"));
    options->addSeparator();

    menus.dictionary = new ChoiceMenu(addMenu(options, "MenuDictionary", "&Dictionary Type"));
    menus.dictionary->addChoice("MenuDictChoose", "&Choose At Spell Check Time", 9);
    const char *const languages[]
        = { "American", "British", "Spanish", "Italian", "French", "German", "Dutch", "Swedish" };
    for (int k = 0; k < 8; ++k)
        menus.dictionary->addChoice(QString("MenuDict") + languages[k], QString("&") + languages[k], k + 1);
    menus.addToDictionary = addItem(options, "MenuAddDict", "&Add to Dictionary", QKeySequence("Ctrl+T"));
    menus.excludeFromDictionary
        = addItem(options, "MenuExcludeDict", "&Exclude From Dictionary", QKeySequence("Ctrl+U"));
    menus.thesaurus = new ChoiceMenu(addMenu(options, "MenuThesaurus", "&Thesaurus Type"));
    menus.thesaurus->addChoice("MenuThesChoose", "&Choose at Thesaurus Use Time", 3);
    menus.thesaurus->addChoice("MenuThesAmerican", "&American", 1);
    menus.thesaurus->addChoice("MenuThesBritish", "&British", 2);
    options->addSeparator();

    menus.labelFont = addItem(options, "MenuLabelFont", "&Label Font", QKeySequence("Shift+F8"));
    menus.editFont = addItem(options, "MenuEditFont", "&Edit Font", QKeySequence("Shift+F9"));
    menus.buttonFont = addItem(options, "MenuButtonFont", "B&utton Font", QKeySequence("Shift+F10"));
}

void buildHelpMenu(QMenuBar *bar, MainWindowMenus &menus)
{
    QMenu *help = addMenu(bar, "MenuHelp", "&Help");
    menus.helpContents = addItem(help, "MenuHelpContents", "&Contents", QKeySequence("Ctrl+K"));
    menus.userManual = addItem(help, "MenuUserManual", "&User Manual");
    menus.tips = addItem(help, "MenuTips", "Review &Tips of the Day");
    menus.internetExchange = addItem(help, "MenuInternet", "&Data Exchange via Internet");
    help->addSeparator();
    menus.about = addItem(help, "MenuAbout", "&About", QKeySequence("Ctrl+A"));
    menus.otherProducts = addItem(help, "MenuOtherProducts", "&Other Products");
}

} // namespace

MainWindowMenus buildMainWindowMenus(QMainWindow *window)
{
    MainWindowMenus menus;
    QMenuBar *bar = window->menuBar();
    buildFileMenu(bar, menus);
    buildEditMenu(bar, menus);
    buildOptionsMenu(bar, menus);
    buildHelpMenu(bar, menus);
    return menus;
}

} // namespace gw::app
