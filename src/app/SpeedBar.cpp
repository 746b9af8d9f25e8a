#include "app/SpeedBar.h"

#include "app/MainWindowMenus.h"
#include "app/SpeedButton.h"
#include "app/SpeedGlyphs.h"

#include <QAction>
#include <QFrame>

namespace gw::app {

namespace {

// Design sizes: the bar is 31 pixels high; the buttons stand in groups.
constexpr int BarWidth = 632;
constexpr int BarHeight = 31;
constexpr int ButtonSide = 25;
constexpr int ButtonTop = 3;
constexpr int GroupGap = 8;

struct SpeedItem
{
    const char *objectName;
    SpeedGlyph glyph;
    QAction *MainWindowMenus::*command;
    const char *hint;
    bool startsGroup;
};

constexpr SpeedItem SpeedItems[] = {
    { "SpeedNewGroup", SpeedGlyph::NewGroup, &MainWindowMenus::newGroup, "Create New Puzzle Collection File",
        true },
    { "SpeedOpenGroup", SpeedGlyph::OpenGroup, &MainWindowMenus::openGroup, "Open Puzzle Collection File",
        false },
    { "SpeedNew", SpeedGlyph::NewPuzzle, &MainWindowMenus::newPuzzle, "Create New Puzzle", true },
    { "SpeedModify", SpeedGlyph::ModifyPuzzle, &MainWindowMenus::modifyPuzzle, "Modify Puzzle", false },
    { "SpeedCopy", SpeedGlyph::CopyPuzzle, &MainWindowMenus::copyPuzzle, "Copy Puzzle", false },
    { "SpeedDelete", SpeedGlyph::DeletePuzzle, &MainWindowMenus::deletePuzzle, "Delete Puzzle", false },
    { "SpeedImport", SpeedGlyph::Import, &MainWindowMenus::importPuzzles, "Import Puzzles", true },
    { "SpeedExport", SpeedGlyph::Export, &MainWindowMenus::exportPuzzles, "Export Puzzles", false },
    { "SpeedPrint", SpeedGlyph::Print, &MainWindowMenus::printPuzzle, "Print Puzzle", true },
    { "SpeedWords", SpeedGlyph::PuzzleWords, &MainWindowMenus::puzzleWords, "Modify Puzzle Words", true },
    { "SpeedShape", SpeedGlyph::PuzzleShape, &MainWindowMenus::puzzleShape, "Create Puzzle Shape", false },
    { "SpeedLayout", SpeedGlyph::PageLayout, &MainWindowMenus::pageLayout, "Page Layout Designer", false },
    { "SpeedHelp", SpeedGlyph::Help, &MainWindowMenus::helpContents, "Help", true },
    { "SpeedExit", SpeedGlyph::Exit, &MainWindowMenus::exit, "Exit Program", true },
};

} // namespace

QWidget *buildSpeedBar(QWidget *parent, const MainWindowMenus &menus)
{
    auto *bar = new QFrame(parent);
    bar->setObjectName("SpeedBar");
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Button);
    bar->setGeometry(0, 0, BarWidth, BarHeight);

    int left = 6 - GroupGap;
    for (const SpeedItem &item : SpeedItems) {
        if (item.startsGroup)
            left += GroupGap;
        QAction *command = menus.*item.command;
        // The button takes text, hint, picture and state from the command; the menu keeps
        // its plain text and shows no picture.
        command->setToolTip(item.hint);
        command->setIcon(speedGlyphIcon(item.glyph));
        command->setIconVisibleInMenu(false);
        auto *button = new SpeedButton(bar);
        button->setObjectName(item.objectName);
        button->setDefaultAction(command);
        button->setAutoRaise(false);
        button->setGeometry(left, ButtonTop, ButtonSide, ButtonSide);
        left += ButtonSide + 1;
    }
    return bar;
}

} // namespace gw::app
