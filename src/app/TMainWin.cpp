#include "app/TMainWin.h"

#include "app/ChoiceMenu.h"
#include "app/CollectionPanes.h"
#include "app/PuzzleFileCommands.h"
#include "app/RecentFiles.h"
#include "app/ScreenSizeChoice.h"
#include "app/SpeedBar.h"
#include "app/TAbout.h"
#include "app/TManualNotice.h"
#include "app/TOtherProducts.h"
#include "app/TTipOfDay.h"
#include "app/TiledBackground.h"
#include "editor/ui/TWordList.h"
#include "export/ui/PreviewExports.h"
#include "generate/ManualEdits.h"
#include "generate/ui/TManualAdd.h"
#include "generate/ui/TWordLetters.h"
#include "layout/LayoutLibrary.h"
#include "layout/ui/TClueHeaders.h"
#include "layout/ui/TListPages.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "render/TextConversion.h"
#include "render/ui/TMyReport.h"
#include "shapes/ui/TSelectShapes.h"
#include "spell/Dictionaries.h"
#include "spell/SpellingSetup.h"
#include "spell/ui/TUserDictionary.h"
#include "ui/AppContext.h"
#include "ui/ChoiceDialogs.h"
#include "ui/Dialogs.h"
#include "ui/ProgramPrinter.h"
#include "ui/THelpWindow.h"
#include "ui/TIntlChars.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <system_error>

namespace gw::app {

namespace {

const QString CollectionFilter = "GRIDW Files (*.ZP3 *.zp3)";

QString pathText(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

} // namespace

TMainWin::TMainWin(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_menus(buildMainWindowMenus(this))
    , m_background(new TiledBackground(this))
    , m_panes(new CollectionPanes(context, m_background))
    , m_openDocument([](const QUrl &document) { return QDesktopServices::openUrl(document); })
{
    setCentralWidget(m_background);
    m_background->setFont(designFont("Arial", DesignFontPixels));
    buildSpeedBar(m_background, m_menus);
    connectCommands();

    m_context.settings
        = model::loadSettings(m_context.settingsFile(), m_context.startDirectory, m_context.folders.user);
    const model::Settings &settings = m_context.settings;
    m_context.spelling = spell::settleSpelling(m_context.settings, m_context.folders.data);
    for (const spell::DictionaryLanguage &language : spell::dictionaryLanguages())
        m_menus.dictionary->action(language.type)
            ->setEnabled(m_context.spelling.dictionaries[static_cast<std::size_t>(language.type - 1)]);
    for (int type = 1; type <= spell::ThesaurusCount; ++type)
        m_menus.thesaurus->action(type)->setEnabled(
            m_context.spelling.thesauri[static_cast<std::size_t>(type - 1)]);
    m_menus.dictionary->check(settings.dictionary);
    m_menus.thesaurus->check(settings.thesaurus);
    m_menus.backgroundBitmap->setChecked(settings.backgroundBitmap);
    m_background->setTiling(settings.backgroundBitmap);
    rebuildRecentMenu();

    m_panes->reload();
    m_panes->selectFirstPuzzle();
    setCaption();

    const QSize pixels = screenPixels();
    m_screenSize = settleScreenSize(settings.windowSize, pixels.width(), pixels.height());
    m_context.scaleFactor = m_screenSize.factor;
    m_menus.screenSize->check(m_screenSize.width);
    m_menus.pixelFormat->check(settings.pixelFormat);

    m_context.reselectAndReload = [this](const std::string &category, const std::string &title) {
        m_context.selection.remember(category, title);
        m_panes->reload();
    };

    // Until converted, the previous version's files are offered for conversion at every start.
    if (convertPreviousVersion(this, m_context))
        m_panes->reload();
}

TMainWin::~TMainWin()
{
    m_context.reselectAndReload = nullptr;
}

void TMainWin::connectCommands()
{
    const MainWindowMenus &m = m_menus;
    connect(m.newGroup, &QAction::triggered, this, &TMainWin::MenuNewGroupClick);
    connect(m.openGroup, &QAction::triggered, this, &TMainWin::MenuOpenGroupClick);
    connect(m.newPuzzle, &QAction::triggered, this, &TMainWin::MenuNewClick);
    connect(m.modifyPuzzle, &QAction::triggered, this, &TMainWin::MenuModifyClick);
    connect(m.copyPuzzle, &QAction::triggered, this, &TMainWin::MenuCopyClick);
    connect(m.deletePuzzle, &QAction::triggered, this, &TMainWin::MenuDeleteClick);
    connect(m.printPuzzle, &QAction::triggered, this, &TMainWin::MenuPrintClick);
    connect(m.importPuzzles, &QAction::triggered, this, &TMainWin::MenuImportClick);
    connect(m.exportPuzzles, &QAction::triggered, this, &TMainWin::MenuExportClick);
    connect(m.printerSetup, &QAction::triggered, this, [this] { runPrinterSetup(m_context, this); });
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    for (std::size_t k = 0; k < m.recent.size(); ++k)
        connect(m.recent[k], &QAction::triggered, this, [this, k] { MenuRecentClick(k); });
    connect(m.puzzleShape, &QAction::triggered, this, &TMainWin::MenuPuzzleShapeClick);
    connect(m.pageLayout, &QAction::triggered, this, &TMainWin::MenuPageLayoutClick);
    connect(m.puzzleWords, &QAction::triggered, this, &TMainWin::MenuPuzzleWordsClick);
    connect(m.screenSize, &ChoiceMenu::chosen, this, &TMainWin::MenuScreenSizeClick);
    connect(m.backgroundBitmap, &QAction::triggered, this, &TMainWin::MenuBackgroundClick);
    connect(m.jpegQuality, &QAction::triggered, this, &TMainWin::MenuJpegClick);
    connect(m.pixelFormat, &ChoiceMenu::chosen, this, [this](int value) {
        m_context.settings.pixelFormat = value;
        m_menus.pixelFormat->check(value);
    });
    connect(m.internationalCharacters, &QAction::triggered, this, &TMainWin::MenuIntCharsClick);
    connect(m.clueHeaders, &QAction::triggered, this, &TMainWin::MenuClueHeadersClick);
    connect(m.wordSeparators, &QAction::triggered, this, &TMainWin::MenuWordSepClick);
    connect(m.addToDictionary, &QAction::triggered, this, &TMainWin::MenuAddDictClick);
    connect(m.excludeFromDictionary, &QAction::triggered, this, &TMainWin::MenuExcludeDictClick);
    connect(m.dictionary, &ChoiceMenu::chosen, this, [this](int value) {
        m_context.settings.dictionary = value;
        m_menus.dictionary->check(value);
    });
    connect(m.thesaurus, &ChoiceMenu::chosen, this, [this](int value) {
        m_context.settings.thesaurus = value;
        m_menus.thesaurus->check(value);
    });
    connect(m.labelFont, &QAction::triggered, this, [this] { MenuFontClick(m_context.settings.labelFont); });
    connect(m.editFont, &QAction::triggered, this, [this] { MenuFontClick(m_context.settings.editFont); });
    connect(
        m.buttonFont, &QAction::triggered, this, [this] { MenuFontClick(m_context.settings.buttonFont); });
    connect(m.helpContents, &QAction::triggered, this, &TMainWin::MenuHelpContentsClick);
    connect(m.userManual, &QAction::triggered, this, &TMainWin::MenuUserManualClick);
    connect(m.tips, &QAction::triggered, this, &TMainWin::MenuTipsClick);
    connect(m.internetExchange, &QAction::triggered, this, &TMainWin::MenuInternetClick);
    connect(m.about, &QAction::triggered, this, &TMainWin::MenuAboutClick);
    connect(m.otherProducts, &QAction::triggered, this, &TMainWin::MenuOtherProductsClick);
    connect(m_panes, &CollectionPanes::puzzleSelectionChanged, this, &TMainWin::refreshCommandStates);
    connect(m_panes, &CollectionPanes::puzzleDoubleClicked, this, &TMainWin::MenuPrintClick);
}

void TMainWin::showEvent(QShowEvent *event)
{
    // A window restored from the task bar is shown again by the system; it keeps its place.
    if (!event->spontaneous())
        FormShow();
    QMainWindow::showEvent(event);
}

void TMainWin::FormShow()
{
    applyLook();
    setCaption();
    refreshCommandStates();
}

void TMainWin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QMainWindow::changeEvent(event);
}

void TMainWin::FormActivate()
{
    // The tips greet the user once a run.  The window is active again after every window it
    // opened has closed, the tip window included, and must not bring the tips back each time.
    if (m_tipsOffered || !m_context.settings.showTips)
        return;
    m_tipsOffered = true;
    // A window closed meanwhile (a run started only to check it opens) greets nobody.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            MenuTipsClick();
    });
}

void TMainWin::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainWin::FormClose()
{
    // A settings file that cannot be written is not reported: the program is ending and the
    // user could do nothing about it.
    static_cast<void>(model::saveSettings(m_context.settings, m_context.settingsFile()));
}

void TMainWin::applyLook()
{
    applyWindowLook(this, m_context.fonts(), m_screenSize.factor, Raise);
    // The menu bar lies outside the designed client area and keeps its own height.
    setFixedSize(scaled(ClientWidth, m_screenSize.factor),
        scaled(ClientHeight, m_screenSize.factor) + menuBar()->sizeHint().height());
    centreOnScreen(this, Raise);
}

void TMainWin::setCaption()
{
    setWindowTitle("Gridwright 98 ("
        + QString::fromStdString(model::collectionDisplayName(m_context.collection())) + ")");
}

void TMainWin::refreshCommandStates()
{
    const bool selected = m_panes->selectedPuzzleRow().has_value();
    for (QAction *command : { m_menus.modifyPuzzle, m_menus.copyPuzzle, m_menus.deletePuzzle,
             m_menus.printPuzzle, m_menus.puzzleWords })
        command->setEnabled(selected);
}

void TMainWin::rebuildRecentMenu()
{
    const RecentFiles &entries = m_context.settings.lastFiles;
    bool any = false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        m_menus.recent[k]->setText(recentFileItemText(k, entries[k]));
        m_menus.recent[k]->setVisible(!entries[k].empty());
        any = any || !entries[k].empty();
    }
    m_menus.recentSeparator->setVisible(any);
}

void TMainWin::makeCurrent(const std::string &collection)
{
    model::Settings &settings = m_context.settings;
    updateRecentFiles(settings.lastFiles, settings.lastGroup, collection);
    settings.lastGroup = collection;
    rebuildRecentMenu();
}

void TMainWin::showCollection()
{
    m_panes->reload();
    setCaption();
}

QSize TMainWin::screenPixels() const
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    return shownOn ? shownOn->geometry().size() : QSize(ScreenSizes[0].width, ScreenSizes[0].height);
}

void TMainWin::MenuNewGroupClick()
{
    FileRequest request;
    request.kind = FileDialogKind::Save;
    request.title = "Create New Puzzle Group";
    request.filter = CollectionFilter;
    request.defaultExtension = "ZP3";
    request.start = pathText(m_context.collection().parent_path());
    const auto chosen = chooseFile(this, request);
    if (!chosen)
        return;
    const std::string collection = chosen->toStdString();
    if (const Status created = model::createCollection(collection); !created) {
        app::show(this, created.error());
        return;
    }
    makeCurrent(collection);
    showCollection();
    if (ask(this, "New Puzzle",
            "Would you like to create your first puzzle now for this new puzzle collection?")
        == Answer::Yes)
        MenuNewClick();
}

void TMainWin::MenuOpenGroupClick()
{
    FileRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "Open Puzzle Group";
    request.filter = CollectionFilter;
    request.defaultExtension = "ZP3";
    request.start = pathText(m_context.collection());
    if (const auto chosen = chooseFile(this, request))
        openCollection(chosen->toStdString());
}

void TMainWin::openCollection(const std::string &collection)
{
    if (const Status valid = model::checkCollectionName(collection); !valid) {
        app::show(this, valid.error());
        return;
    }
    makeCurrent(collection);
    showCollection();
}

void TMainWin::MenuRecentClick(std::size_t entry)
{
    // The entry moves within the list as it becomes current, so it is taken first.
    const std::string collection = m_context.settings.lastFiles[entry];
    std::error_code error;
    if (collection.empty() || !std::filesystem::exists(collection, error))
        return;
    makeCurrent(collection);
    showCollection();
}

std::optional<TMainWin::SelectedPuzzle> TMainWin::readSelected(const Failure &whenUnreadable)
{
    const auto row = m_panes->selectedPuzzleRow();
    if (!row) {
        app::show(this, model::noPuzzleSelected());
        return std::nullopt;
    }
    const model::CollectionLine line = m_panes->puzzleLines()[*row];
    const int recordNumber = line.tag;
    const auto read = std::make_unique<Result<model::PuzzleRecord>>(
        model::readPuzzle(m_context.collection(), recordNumber, whenUnreadable));
    if (!*read) {
        app::show(this, read->error());
        return std::nullopt;
    }
    // Another program may have moved the records since the lists were read: never work on a
    // puzzle other than the one the user picked.
    if (fingerprintOf(**read) != listedFingerprint(recordNumber)) {
        app::show(this, model::puzzleChangedElsewhere("opened"));
        m_context.selection.remember(m_panes->shownCategory(), line.text);
        m_panes->reload();
        return std::nullopt;
    }
    return SelectedPuzzle { recordNumber, std::make_unique<model::PuzzleRecord>(**read) };
}

RecordFingerprint TMainWin::listedFingerprint(int recordNumber) const
{
    const auto &puzzles = m_context.lists.puzzles();
    if (recordNumber < 0 || static_cast<std::size_t>(recordNumber) >= puzzles.size())
        return 0;
    return puzzles[static_cast<std::size_t>(recordNumber)].fingerprint;
}

bool TMainWin::readSelectedIntoWorking(const Failure &whenUnreadable)
{
    const auto selected = readSelected(whenUnreadable);
    if (!selected)
        return false;
    *m_context.working = *selected->record;
    m_context.workingRecordNumber = selected->recordNumber;
    m_context.workingLoaded = fingerprintOf(*selected->record);
    return true;
}

void TMainWin::openWordListEditor(const QString &caption)
{
    editor::TWordList editor(m_context, caption, this);
    runChild(editor);
}

void TMainWin::MenuNewClick()
{
    model::resetToNew(*m_context.working,
        layout::loadLayoutForPuzzle(m_context.layoutLibrary(), m_context.settings.defaultPage));
    m_context.workingIsNew = true;
    openWordListEditor("Create New Puzzle");
}

void TMainWin::MenuModifyClick()
{
    if (!readSelectedIntoWorking(model::unableToAccessWordList()))
        return;
    m_context.workingIsNew = false;
    openWordListEditor("Modify Existing Puzzle");
}

void TMainWin::MenuCopyClick()
{
    if (!readSelectedIntoWorking(model::unableToAccessWordList()))
        return;
    model::makeCopy(*m_context.working);
    m_context.workingIsNew = true;
    openWordListEditor("Create New Puzzle (copy of existing puzzle)");
}

void TMainWin::MenuDeleteClick()
{
    const auto row = m_panes->selectedPuzzleRow();
    if (!row) {
        app::show(this, model::noPuzzleSelected());
        return;
    }
    const std::vector<model::CollectionLine> lines = m_panes->puzzleLines();
    const model::CollectionLine deleted = lines[*row];
    if (ask(this, "Delete", "Are you sure you want to delete " + toQString(deleted.text) + "?")
        != Answer::Yes)
        return;
    const std::string category = m_panes->shownCategory();
    if (const Status done
        = model::deletePuzzle(m_context.collection(), deleted.tag, listedFingerprint(deleted.tag));
        !done) {
        // The puzzle is still there: say so, and show it again.
        app::show(this, done.error());
        m_context.selection.remember(category, deleted.text);
    } else {
        m_context.selection.rememberAfterDelete(category, lines, *row);
    }
    m_panes->reload();
}

void TMainWin::MenuPrintClick()
{
    const auto selected = readSelected(model::unableToLoadPuzzle());
    if (!selected)
        return;
    if (selected->record->generated == 0) {
        inform(this, "Warning",
            "A puzzle has never been generated for this word/clue list. Please select "
            "\"File|Modify\" from the menu and create the puzzle first");
        return;
    }
    render::TMyReport report(m_context, *selected->record, this);
    exports::installExportHooks(report.previewHooks(), m_context);
    runChild(report);
}

void TMainWin::MenuImportClick()
{
    importPuzzlesCommand(this, m_context, [this] {
        // The lines shown before the import are selected again: the category's first puzzle when
        // none was selected, nothing when the collection was empty.
        if (!m_context.lists.categories().empty()) {
            const std::vector<model::CollectionLine> &puzzles = m_panes->puzzleLines();
            const std::size_t row = m_panes->selectedPuzzleRow().value_or(0);
            m_context.selection.remember(
                m_panes->shownCategory(), row < puzzles.size() ? puzzles[row].text : std::string());
        }
        m_panes->reload();
    });
}

void TMainWin::MenuExportClick()
{
    exportPuzzlesCommand(this, m_context);
}

void TMainWin::MenuPuzzleShapeClick()
{
    shapes::TSelectShapes chooser(m_context, this);
    runChild(chooser);
}

void TMainWin::MenuPageLayoutClick()
{
    layout::TListPages chooser(m_context, layout::ChooserMode::Manage, nullptr, this);
    runChild(chooser);
}

void TMainWin::MenuPuzzleWordsClick()
{
    if (!readSelectedIntoWorking(model::unableToAccessWordList()))
        return;
    m_context.workingIsNew = false;
    if (const auto refusal = generate::gridEditingRefusal(*m_context.working)) {
        app::show(this, *refusal);
        return;
    }
    // The editor writes the puzzle back and has the lists reloaded when it added words.
    generate::TManualAdd editor(m_context, this);
    runChild(editor);
}

void TMainWin::MenuScreenSizeClick(int width)
{
    const ScreenSize *item = &ScreenSizes[0];
    for (const ScreenSize &size : ScreenSizes) {
        if (size.width == width)
            item = &size;
    }
    const QSize pixels = screenPixels();
    const auto choice = chooseScreenSize(*item, m_screenSize, pixels.width(), pixels.height());
    if (!choice) {
        app::show(this, choice.error());
        return;
    }
    if (!choice->has_value())
        return;
    m_screenSize = **choice;
    m_context.settings.windowSize = m_screenSize.width;
    m_context.scaleFactor = m_screenSize.factor;
    m_menus.screenSize->check(m_screenSize.width);
    applyLook();
}

void TMainWin::MenuBackgroundClick()
{
    bool &tiling = m_context.settings.backgroundBitmap;
    tiling = !tiling;
    m_menus.backgroundBitmap->setChecked(tiling);
    m_background->setTiling(tiling);
}

void TMainWin::MenuJpegClick()
{
    exports::chooseJpegFactor(this, m_context);
}

void TMainWin::MenuFontClick(model::FontSetting &font)
{
    QFont preset(toQString(font.name));
    preset.setBold(font.bold);
    preset.setItalic(font.italic);
    FontColourDialog dialog({ preset, colourFromWindows(static_cast<std::uint32_t>(font.colour)) }, this);
    if (runChild(dialog) != QDialog::Accepted)
        return;
    // Sizes follow the screen size: face, style and colour change.
    const FontChoice chosen = dialog.choice();
    font.name = fromQString(chosen.font.family()).substr(0, model::SettingsTextCapacity);
    font.bold = chosen.font.bold();
    font.italic = chosen.font.italic();
    font.colour = static_cast<int>(colourToWindows(chosen.colour));
    applyLook();
}

void TMainWin::MenuIntCharsClick()
{
    TIntlChars characters(m_context, this);
    runChild(characters);
}

void TMainWin::MenuClueHeadersClick()
{
    layout::TClueHeaders headers(m_context, m_context.settings.acrossLabel, m_context.settings.downLabel,
        "Default Clue Headers", this);
    runChild(headers);
}

void TMainWin::MenuAddDictClick()
{
    spell::TUserDictionary dictionary(m_context, spell::TUserDictionary::Mode::Include, this);
    runChild(dictionary);
}

void TMainWin::MenuExcludeDictClick()
{
    spell::TUserDictionary dictionary(m_context, spell::TUserDictionary::Mode::Exclude, this);
    runChild(dictionary);
}

void TMainWin::MenuWordSepClick()
{
    generate::TWordLetters separators(m_context, this);
    runChild(separators);
}

void TMainWin::openHelp(const QString &anchor)
{
    THelpWindow help(m_context, anchor, this);
    if (!help.loaded()) {
        app::show(this, help.loaded().error());
        return;
    }
    runChild(help);
}

void TMainWin::MenuHelpContentsClick()
{
    openHelp(HelpContents);
}

void TMainWin::MenuInternetClick()
{
    openHelp(HelpPuzzleConnection);
}

void TMainWin::MenuUserManualClick()
{
    TManualNotice notice(m_context, this);
    if (runChild(notice) != QDialog::Accepted)
        return;
    const QString manual = pathText(m_context.folders.data / ManualFileName);
    if (!QFileInfo(manual).isFile()) {
        inform(this, "Error",
            "The User Manual could not be located.  Please make sure the user manual was installed.  A copy "
            "is "
            "available at our web site.");
        return;
    }
    if (!m_openDocument(QUrl::fromLocalFile(manual)))
        inform(this, "Error",
            "The User Manual could not be opened.  Please open " + manual + " with your web browser.");
}

void TMainWin::MenuTipsClick()
{
    TTipOfDay tips(m_context, TTipOfDay::randomTip(), this);
    runChild(tips);
}

void TMainWin::MenuAboutClick()
{
    TAbout about(m_context, this);
    runChild(about);
}

void TMainWin::MenuOtherProductsClick()
{
    TOtherProducts products(m_context, this);
    runChild(products);
}

} // namespace gw::app
