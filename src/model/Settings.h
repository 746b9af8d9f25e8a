#pragma once

#include "model/FontSetting.h"
#include "model/HtmlBlock.h"
#include "platform/Failure.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

namespace gw {
class IniFile;
}

namespace gw::model {

// Longest texts held, in characters.  loadSettings never gives longer ones, saveSettings
// writes no more; a window that sets a text cuts it to its capacity.
constexpr std::size_t SettingsTextCapacity = 255;
constexpr std::size_t HtmlBlockCapacity = 999;
constexpr std::size_t WebTitleCapacity = 100;
constexpr std::size_t SettingsLabelCapacity = 25; // Letters, Across Label, Down Label
constexpr std::size_t IntKeyCapacity = 4;

constexpr std::size_t RecentFileCount = 5;
constexpr std::size_t IntKeyCount = 12;

// Every setting of the program, one field per key of the settings file (see settingsKeys()
// for the keys, their defaults and how they are read).  Filled once at start-up, changed by
// the windows directly, written back once at shut-down.  A record made here is empty; the
// defaults come from loadSettings, which gives them when the file is missing.
struct Settings
{
    // Misc
    std::string lastImportPuzzleFile;
    std::string lastExportPuzzleFile;
    std::string lastImportShapeFile;
    std::string lastExportShapeFile;
    std::string lastImportLayoutFile;
    std::string lastExportLayoutFile;
    std::string lastImportWordFile;
    std::string lastExportWordFile;
    std::string lastExportBitmapFile;
    std::string lastExportJpegFile;
    std::string lastExportEmfFile;
    std::string lastExportWmfFile;
    std::string lastExportHtmlFile;
    std::string lastExportWebPuzzleFile;
    std::string lastGroup; // full path of the current collection
    std::array<std::string, RecentFileCount> lastFiles; // most recent first; empty = unused
    int windowSize = 0;
    bool backgroundBitmap = false;
    int dictionary = 0;
    int userDictionary = 0;
    int thesaurus = 0;
    int userThesaurus = 0;
    bool showTips = false;

    // HTML
    HtmlBlock firstHeader;
    HtmlBlock secondHeader;
    HtmlBlock firstFooter;
    HtmlBlock secondFooter;
    bool horizontalUpper = false;
    bool horizontalLower = false;
    std::string webTitle;

    // Create Options
    bool shrink = false;
    bool quickBuild = false;
    int attempts = 0;
    char sepChar = 0;
    int importOption = 0;
    int exportOption = 0;
    int caseSensitivity = 0;
    int lastShape = 0;
    std::array<std::string, IntKeyCount> intKeys; // F1..F12: "0" and a decimal character code

    // Page Layout
    int zoom = 0;
    int pageDesignerWindowLeft = 0;
    int pageDesignerWindowTop = 0;
    int pageDesignerWindowWidth = 0;
    int pageDesignerWindowHeight = 0;
    int defaultPage = 0;

    // Reports
    bool defaultPrinter = false;
    int printerIndex = 0;
    int reportViewingWindowLeft = 0;
    int reportViewingWindowTop = 0;
    int reportViewingWindowWidth = 0;
    int reportViewingWindowHeight = 0;
    int jpegCompressionQuality = 0;
    int pixelFormat = 0;
    int boxColor = 0;
    bool useBoxes = false;
    bool answerKey = false;
    bool partialAnswer = false;
    bool partialLetters = false;
    std::string letters;
    bool printTitle = false;
    bool printBody = false;
    bool printClues = false;
    bool printWords = false;
    bool printBonus = false;
    std::string acrossLabel;
    std::string downLabel;
    char wordSepChar = 0;
    bool wordSepDash = false;
    bool wordSepSlash = false;
    bool wordSepPlus = false;
    bool wordSepStar = false;
    bool wordSepOther = false;

    FontSetting editFont;
    FontSetting labelFont;
    FontSetting buttonFont;

    bool operator==(const Settings &) const = default;
};

// Reads every key from a settings document; a missing section or key gives its default.
// startDirectory supplies the defaults of the file name keys, collectionDirectory (the start
// directory too unless the program is installed) that of "Last Group".
Settings readSettings(const IniFile &ini, const std::filesystem::path &startDirectory);
Settings readSettings(const IniFile &ini, const std::filesystem::path &startDirectory,
    const std::filesystem::path &collectionDirectory);

// Sets every key in a settings document, keeping every other line of it.
void writeSettings(const Settings &settings, IniFile &ini);

// readSettings of the settings file; a missing file gives every default.
Settings loadSettings(const std::filesystem::path &iniFile, const std::filesystem::path &startDirectory);
Settings loadSettings(const std::filesystem::path &iniFile, const std::filesystem::path &startDirectory,
    const std::filesystem::path &collectionDirectory);

// Writes every key into the settings file, keeping every other line of it.  The file is
// rewritten only when a value changed, and is replaced whole or not at all.
Status saveSettings(const Settings &settings, const std::filesystem::path &iniFile);

} // namespace gw::model
