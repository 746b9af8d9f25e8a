#include "model/SettingsKeys.h"

#include "model/Settings.h"

#include <utility>

namespace gw::model {

namespace {

constexpr std::size_t PathReadLength = 149;
constexpr std::size_t RecentFileReadLength = 254;

template <typename T> using Accessor = std::function<T &(Settings &)>;

template <typename T> Accessor<T> member(T Settings::*field)
{
    return [field](Settings &settings) -> T & { return settings.*field; };
}

template <typename Part, typename T> Accessor<T> member(Part Settings::*part, T Part::*field)
{
    return [part, field](Settings &settings) -> T & { return (settings.*part).*field; };
}

template <typename T, std::size_t N> Accessor<T> element(std::array<T, N> Settings::*array, std::size_t index)
{
    return [array, index](Settings &settings) -> T & { return (settings.*array)[index]; };
}

// The typed accessors make the field's type agree with the form.
template <typename T> SettingsKey makeKey(
    std::string section, std::string key, SettingsForm form, std::string defaultValue, Accessor<T> access)
{
    SettingsKey made;
    made.section = std::move(section);
    made.key = std::move(key);
    made.form = form;
    made.defaultValue = std::move(defaultValue);
    made.field
        = [access = std::move(access)](Settings &settings) -> SettingsField { return &access(settings); };
    return made;
}

SettingsKey text(std::string section, std::string key, std::size_t readLength, std::size_t capacity,
    std::string defaultValue, Accessor<std::string> access)
{
    SettingsKey made = makeKey(
        std::move(section), std::move(key), SettingsForm::Text, std::move(defaultValue), std::move(access));
    made.readLength = readLength;
    made.capacity = capacity;
    return made;
}

SettingsKey yesNo(std::string section, std::string key, std::string defaultValue, Accessor<bool> access)
{
    return makeKey(
        std::move(section), std::move(key), SettingsForm::YesNo, std::move(defaultValue), std::move(access));
}

SettingsKey number(std::string section, std::string key, std::string defaultValue, Accessor<int> access)
{
    return makeKey(
        std::move(section), std::move(key), SettingsForm::Number, std::move(defaultValue), std::move(access));
}

SettingsKey character(
    std::string section, std::string key, std::string defaultValue, char fallback, Accessor<char> access)
{
    SettingsKey made = makeKey(std::move(section), std::move(key), SettingsForm::Character,
        std::move(defaultValue), std::move(access));
    made.fallback = fallback;
    return made;
}

void addMisc(std::vector<SettingsKey> &keys)
{
    const std::string misc = "Misc";
    const std::pair<const char *, std::string Settings::*> dialogFiles[] = {
        { "Last Import Puzzle File", &Settings::lastImportPuzzleFile },
        { "Last Export Puzzle File", &Settings::lastExportPuzzleFile },
        { "Last Import Shape File", &Settings::lastImportShapeFile },
        { "Last Export Shape File", &Settings::lastExportShapeFile },
        { "Last Import Layout File", &Settings::lastImportLayoutFile },
        { "Last Export Layout File", &Settings::lastExportLayoutFile },
        { "Last Import Word File", &Settings::lastImportWordFile },
        { "Last Export Word File", &Settings::lastExportWordFile },
        { "Last Export Bitmap File", &Settings::lastExportBitmapFile },
        { "Last Export JPEG File", &Settings::lastExportJpegFile },
        { "Last Export EMF File", &Settings::lastExportEmfFile },
        { "Last Export WMF File", &Settings::lastExportWmfFile },
        { "Last Export HTML File", &Settings::lastExportHtmlFile },
        { "Last Export Web Puzzle File", &Settings::lastExportWebPuzzleFile },
    };
    for (const auto &[name, field] : dialogFiles) {
        keys.push_back(text(misc, name, PathReadLength, SettingsTextCapacity, "", member(field)));
        keys.back().defaultRule = SettingsDefault::StartDirectory;
    }

    keys.push_back(
        text(misc, "Last Group", PathReadLength, SettingsTextCapacity, "", member(&Settings::lastGroup)));
    keys.back().defaultRule = SettingsDefault::LastGroup;
    keys.back().wholeOnly = true;
    for (std::size_t i = 0; i < RecentFileCount; ++i) {
        keys.push_back(text(misc, "Last File " + std::to_string(i + 1), RecentFileReadLength,
            SettingsTextCapacity, "", element(&Settings::lastFiles, i)));
        keys.back().wholeOnly = true;
    }

    keys.push_back(number(misc, "Window Size", "640", member(&Settings::windowSize)));
    keys.push_back(yesNo(misc, "Background Bitmap", "Yes", member(&Settings::backgroundBitmap)));
    keys.push_back(number(misc, "Dictionary", "1", member(&Settings::dictionary)));
    keys.push_back(number(misc, "User Dictionary", "1", member(&Settings::userDictionary)));
    keys.push_back(number(misc, "Thesaurus", "1", member(&Settings::thesaurus)));
    keys.push_back(number(misc, "User Thesaurus", "1", member(&Settings::userThesaurus)));
    keys.push_back(yesNo(misc, "Show Tips", "Yes", member(&Settings::showTips)));
}

void addHtml(std::vector<SettingsKey> &keys)
{
    const std::string html = "HTML";
    struct BlockKeys
    {
        const char *name;
        HtmlBlock Settings::*block;
        const char *text;
        const char *bold;
        const char *italic;
        const char *center;
        const char *fontSize;
    };
    const BlockKeys blocks[] = {
        { "First Header", &Settings::firstHeader, "My Puzzle", "Yes", "No", "Yes", "4" },
        { "Second Header", &Settings::secondHeader, "", "No", "No", "No", "3" },
        { "First Footer", &Settings::firstFooter, "", "No", "No", "No", "3" },
        { "Second Footer", &Settings::secondFooter, "", "No", "No", "No", "3" },
    };
    for (const BlockKeys &block : blocks) {
        const std::string name = block.name;
        keys.push_back(text(html, name, HtmlBlockCapacity, HtmlBlockCapacity, block.text,
            member(block.block, &HtmlBlock::text)));
        keys.push_back(yesNo(html, "Bold " + name, block.bold, member(block.block, &HtmlBlock::bold)));
        keys.push_back(yesNo(html, "Italic " + name, block.italic, member(block.block, &HtmlBlock::italic)));
        keys.push_back(yesNo(html, "Center " + name, block.center, member(block.block, &HtmlBlock::center)));
        keys.push_back(
            number(html, "Font " + name, block.fontSize, member(block.block, &HtmlBlock::fontSize)));
    }
    keys.push_back(yesNo(html, "Horizontal Upper", "No", member(&Settings::horizontalUpper)));
    keys.push_back(yesNo(html, "Horizontal Lower", "No", member(&Settings::horizontalLower)));
    keys.push_back(text(html, "Web Title", WebTitleCapacity, WebTitleCapacity, "Crossword Puzzle",
        member(&Settings::webTitle)));
}

void addCreateOptions(std::vector<SettingsKey> &keys)
{
    const std::string create = "Create Options";
    keys.push_back(yesNo(create, "Shrink", "No", member(&Settings::shrink)));
    keys.push_back(yesNo(create, "Quick Build", "No", member(&Settings::quickBuild)));
    keys.push_back(number(create, "Attempts", "1", member(&Settings::attempts)));
    keys.push_back(character(create, "Sep Char", ":", ':', member(&Settings::sepChar)));
    keys.push_back(number(create, "Import Option", "1", member(&Settings::importOption)));
    keys.push_back(number(create, "Export Option", "3", member(&Settings::exportOption)));
    keys.push_back(number(create, "Case Sensitivity", "3", member(&Settings::caseSensitivity)));
    keys.push_back(number(create, "Last Shape", "1", member(&Settings::lastShape)));
    // Windows-1252 codes of á é í ó ñ ö ú ä å à è ò.
    const char *const intKeyDefaults[IntKeyCount]
        = { "0225", "0233", "0237", "0243", "0241", "0246", "0250", "0228", "0229", "0224", "0232", "0242" };
    for (std::size_t i = 0; i < IntKeyCount; ++i)
        keys.push_back(text(create, "Int Key " + std::to_string(i + 1), IntKeyCapacity, IntKeyCapacity,
            intKeyDefaults[i], element(&Settings::intKeys, i)));
}

void addPageLayout(std::vector<SettingsKey> &keys)
{
    const std::string page = "Page Layout";
    keys.push_back(number(page, "Zoom", "2", member(&Settings::zoom)));
    keys.push_back(number(page, "Page Designer Window Left", "0", member(&Settings::pageDesignerWindowLeft)));
    keys.push_back(number(page, "Page Designer Window Top", "0", member(&Settings::pageDesignerWindowTop)));
    keys.push_back(
        number(page, "Page Designer Window Width", "640", member(&Settings::pageDesignerWindowWidth)));
    keys.push_back(
        number(page, "Page Designer Window Height", "480", member(&Settings::pageDesignerWindowHeight)));
    keys.push_back(number(page, "Default Page", "0", member(&Settings::defaultPage)));
}

void addReports(std::vector<SettingsKey> &keys)
{
    const std::string reports = "Reports";
    keys.push_back(yesNo(reports, "Default Printer", "Yes", member(&Settings::defaultPrinter)));
    keys.push_back(number(reports, "Printer Index", "0", member(&Settings::printerIndex)));
    keys.push_back(
        number(reports, "Report Viewing Window Left", "0", member(&Settings::reportViewingWindowLeft)));
    keys.push_back(
        number(reports, "Report Viewing Window Top", "0", member(&Settings::reportViewingWindowTop)));
    keys.push_back(
        number(reports, "Report Viewing Window Width", "640", member(&Settings::reportViewingWindowWidth)));
    keys.push_back(
        number(reports, "Report Viewing Window Height", "480", member(&Settings::reportViewingWindowHeight)));
    keys.push_back(
        number(reports, "JPeg Compression Quality", "50", member(&Settings::jpegCompressionQuality)));
    keys.push_back(number(reports, "Pixel Format", "1", member(&Settings::pixelFormat)));
    keys.push_back(number(reports, "Box Color", "0", member(&Settings::boxColor)));
    keys.push_back(yesNo(reports, "Use Boxes", "Yes", member(&Settings::useBoxes)));
    keys.push_back(yesNo(reports, "Answer Key", "No", member(&Settings::answerKey)));
    keys.push_back(yesNo(reports, "Partial Answer", "No", member(&Settings::partialAnswer)));
    keys.push_back(yesNo(reports, "Partial Letters", "No", member(&Settings::partialLetters)));
    keys.push_back(text(
        reports, "Letters", SettingsLabelCapacity, SettingsLabelCapacity, "", member(&Settings::letters)));
    keys.push_back(yesNo(reports, "Print Title", "Yes", member(&Settings::printTitle)));
    keys.push_back(yesNo(reports, "Print Body", "Yes", member(&Settings::printBody)));
    keys.push_back(yesNo(reports, "Print Clues", "Yes", member(&Settings::printClues)));
    keys.push_back(yesNo(reports, "Print Words", "Yes", member(&Settings::printWords)));
    keys.push_back(yesNo(reports, "Print Bonus", "Yes", member(&Settings::printBonus)));
    keys.push_back(text(reports, "Across Label", SettingsLabelCapacity, SettingsLabelCapacity, "Across",
        member(&Settings::acrossLabel)));
    keys.push_back(text(reports, "Down Label", SettingsLabelCapacity, SettingsLabelCapacity, "Down",
        member(&Settings::downLabel)));
    keys.push_back(character(reports, "Word Sep Char", "", ' ', member(&Settings::wordSepChar)));
    keys.push_back(yesNo(reports, "Word Sep Dash", "No", member(&Settings::wordSepDash)));
    keys.push_back(yesNo(reports, "Word Sep Slash", "No", member(&Settings::wordSepSlash)));
    keys.push_back(yesNo(reports, "Word Sep Plus", "No", member(&Settings::wordSepPlus)));
    keys.push_back(yesNo(reports, "Word Sep Star", "No", member(&Settings::wordSepStar)));
    keys.push_back(yesNo(reports, "Word Sep Other", "No", member(&Settings::wordSepOther)));
}

void addFonts(std::vector<SettingsKey> &keys)
{
    const std::pair<const char *, FontSetting Settings::*> fonts[] = {
        { "Edit Font", &Settings::editFont },
        { "Label Font", &Settings::labelFont },
        { "Button Font", &Settings::buttonFont },
    };
    for (const auto &[section, font] : fonts) {
        keys.push_back(text(section, "Font Name", PathReadLength, SettingsTextCapacity, "Arial",
            member(font, &FontSetting::name)));
        keys.push_back(yesNo(section, "Bold", "No", member(font, &FontSetting::bold)));
        keys.push_back(yesNo(section, "Italic", "No", member(font, &FontSetting::italic)));
        keys.push_back(number(section, "Color", "0", member(font, &FontSetting::colour)));
    }
}

std::vector<SettingsKey> allKeys()
{
    std::vector<SettingsKey> keys;
    addMisc(keys);
    addHtml(keys);
    addCreateOptions(keys);
    addPageLayout(keys);
    addReports(keys);
    addFonts(keys);
    return keys;
}

} // namespace

const std::vector<SettingsKey> &settingsKeys()
{
    static const std::vector<SettingsKey> keys = allKeys();
    return keys;
}

} // namespace gw::model
