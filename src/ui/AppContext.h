#pragma once

#include "generate/BestFitSlots.h"
#include "model/CollectionLists.h"
#include "model/PuzzleRecord.h"
#include "model/SelectionMemory.h"
#include "model/Settings.h"
#include "platform/ProgramFolders.h"
#include "report/PrinterChoice.h"
#include "shapes/ShapeRecord.h"
#include "spell/SpellingSetup.h"
#include "ui/WindowLook.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace gw::app {

// The state the main window owns for the program's lifetime and lends to every window it
// opens.  Windows read and change the settings directly; files are written at once by the
// commands, the settings only at shut-down.
struct AppContext
{
    ProgramFolders folders;
    // The current directory at start-up: file dialogs begin there until they remember a file.
    std::filesystem::path startDirectory;
    model::Settings settings;

    // The open collection is the setting "Last Group"; the main window keeps its lists.
    model::CollectionLists lists;
    model::SelectionMemory selection;

    // The working puzzle and where saving puts it: appended when new, else at recordNumber,
    // which must still hold the puzzle as it was loaded (its fingerprint workingLoaded).
    std::unique_ptr<model::PuzzleRecord> working = std::make_unique<model::PuzzleRecord>();
    bool workingIsNew = true;
    int workingRecordNumber = 0;
    RecordFingerprint workingLoaded = 0;

    std::unique_ptr<shapes::ShapeRecord> currentShape = std::make_unique<shapes::ShapeRecord>();
    std::unique_ptr<generate::BestFitSlots> slots = std::make_unique<generate::BestFitSlots>();

    double scaleFactor = 1.0;

    // The lexicons and thesaurus files found at start-up and the run's user lexicons.
    spell::SpellingSetup spelling;

    // Where every printout goes, as chosen under Printer Setup: at first the system's default
    // printer.
    report::PrinterChoice printer;

    // Set by the main window: remember category and title, reload the lists from the file and
    // reselect them.  Windows that save a puzzle call it.
    std::function<void(const std::string &category, const std::string &title)> reselectAndReload;

    // Saves `record` where the working puzzle belongs and reloads and reselects the main window's
    // lists, also when the puzzle was changed by another program meanwhile and nothing was
    // written.  An overwritten record becomes the one loaded.
    Result<int> saveWorkingPuzzle(const model::PuzzleRecord &record);

    std::filesystem::path collection() const { return settings.lastGroup; }
    // The libraries to read, and to change: a change first gives the user a copy of their own.
    std::filesystem::path shapeLibrary() const;
    std::filesystem::path layoutLibrary() const;
    std::filesystem::path shapeLibraryToChange() const;
    std::filesystem::path layoutLibraryToChange() const;
    std::filesystem::path settingsFile() const { return folders.settingsFile(); }
    UserFonts fonts() const { return { settings.labelFont, settings.editFont, settings.buttonFont }; }
};

} // namespace gw::app
