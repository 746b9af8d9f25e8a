#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "layout/ObjectDialogTesting.h"
#include "layout/TExtractPage.h"
#include "layout/TListPages.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "shapes/QtShapePicture.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <climits>
#include <cstring>

using namespace gw;
using layout::ChooserMode;

namespace {

constexpr qint64 LayoutSize = sizeof(layout::LayoutRecord);

// The bundled library lists, sorted, as:
//   0 "Classic A4 (A4)" (record 1), 1 "Classic Letter (Letter)  <<DEFAULT>>" (record 0),
//   2 "Combined Clues (A4)" (4), 3 "Landscape Letter (Letter)" (5), 4 "Skeleton Letter (Letter)" (6),
//   5 "Two Column Clues (Letter)" (2), 6 "Word List (Letter)" (3).
constexpr int BundledCount = 7;

QByteArray fileBytes(const std::filesystem::path &path)
{
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray layoutBytes(const layout::LayoutRecord &layout)
{
    return QByteArray(reinterpret_cast<const char *>(&layout), LayoutSize);
}

QListWidget *pageList(QWidget &window)
{
    return window.findChild<QListWidget *>("PageList");
}

void clickRow(QWidget &window, int row)
{
    QListWidget *list = pageList(window);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

bool enabled(QWidget &window, const char *button)
{
    return window.findChild<QPushButton *>(QString::fromLatin1(button))->isEnabled();
}

QStringList rows(QWidget &window)
{
    QStringList texts;
    for (int row = 0; row < pageList(window)->count(); ++row)
        texts << pageList(window)->item(row)->text();
    return texts;
}

// A designer stand-in that saves what it was opened on, as its Save does, into the library.
struct SavingDesigner
{
    explicit SavingDesigner(app::AppContext &owner)
        : context(owner)
    { }

    app::AppContext &context;
    std::vector<std::string> names;
    bool save = true;

    bool operator()(layout::TDoPages &designer)
    {
        names.push_back(designer.workingLayout().name.str());
        if (!save)
            return false;
        return bool(layout::addLayout(context.layoutLibrary(), designer.workingLayout()));
    }
};

} // namespace

class ListPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheLibraryWithTheDefaultMarked();
    void chooserFollowsArrowKeys_data();
    void chooserFollowsArrowKeys();
    void manageModeNeverSelects();
    void selectCopiesIntoTheTarget();
    void emptyLibraryWarnsAndNewEnablesTheButtons();
    void copyNamesTheCopyWithinTwentyCharacters();
    void modifyReselectsTheSameRecord();
    void deleteAsksAndKeepsThePosition();
    void setDefaultWritesTheSetting();
    void exportAndImportAPagFile();
    void extractAddsAStoredPuzzlesLayout();
    void previewScalesTheLandscapePageByItsWidth();
    void previewHoldsAHostileRecordToRange();
    void screenshots();
};

void ListPagesTest::listsTheLibraryWithTheDefaultMarked()
{
    test::TestWorkspace workspace;
    layout::TListPages window(workspace.context(), ChooserMode::ForWordList, nullptr, nullptr);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Puzzle Page Layouts"));
    QCOMPARE(window.findChild<QLabel *>("PageHeading")->text(), QString("Page Layouts"));
    QCOMPARE(rows(window),
        QStringList({ "Classic A4 (A4)", "Classic Letter (Letter)  <<DEFAULT>>", "Combined Clues (A4)",
            "Landscape Letter (Letter)", "Skeleton Letter (Letter)", "Two Column Clues (Letter)",
            "Word List (Letter)" }));
    QCOMPARE(pageList(window)->currentRow(), 0);
    QCOMPARE(window.selectedRecord(), 1);
    QCOMPARE(window.selectedLayout().name.view(), std::string_view("Classic A4"));
    QStringList legend;
    for (const char *name :
        { "PuzzleLabel", "AcrossLabel", "DownLabel", "TitleLabel", "BonusLabel", "TextLabel", "WordsLabel" })
        legend << window.findChild<QLabel *>(name)->text();
    QCOMPARE(legend, QStringList({ "Puzzle", "Across", "Down", "Title", "Bonus", "Text, Shapes", "Words" }));
    QCOMPARE(
        window.findChild<QLabel *>("PuzzleSwatch")->pixmap().toImage().pixelColor(8, 8), QColor(128, 0, 0));
    QCOMPARE(
        window.findChild<QLabel *>("TextSwatch")->pixmap().toImage().pixelColor(8, 8), QColor(128, 128, 128));
    clickRow(window, 3);
    QCOMPARE(window.selectedRecord(), 5);
    QCOMPARE(window.selectedLayout().name.view(), std::string_view("Landscape Letter"));
}

// The highlight moved by the keyboard carries the selected layout, the preview and Modify with
// it, as a click does: Modify must never open (and save over) the entry highlighted before.
void ListPagesTest::chooserFollowsArrowKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1;
    QTest::newRow("Down Down") << QList<int> { Qt::Key_Down, Qt::Key_Down } << 2;
    QTest::newRow("End") << QList<int> { Qt::Key_End } << BundledCount - 1;
    QTest::newRow("End Up") << QList<int> { Qt::Key_End, Qt::Key_Up } << BundledCount - 2;
    QTest::newRow("letter L") << QList<int> { Qt::Key_L } << 3;
}

void ListPagesTest::chooserFollowsArrowKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    test::TestWorkspace workspace;
    const auto library = workspace.context().layoutLibrary();
    auto target = std::make_unique<layout::LayoutRecord>();
    layout::TListPages window(workspace.context(), ChooserMode::ForWordList, target.get(), nullptr);
    window.show();
    for (const int key : keys)
        QTest::keyClick(pageList(window), Qt::Key(key));
    QCOMPARE(pageList(window)->currentRow(), row);
    const int record = window.selectedRecord();
    const auto stored = layout::readLayout(library, record);
    QVERIFY(stored.hasValue());
    QCOMPARE(layoutBytes(window.selectedLayout()), layoutBytes(*stored));

    layout::TListPages clicked(workspace.context(), ChooserMode::ForWordList, nullptr, nullptr);
    clicked.show();
    clickRow(clicked, row);
    const auto preview
        = [](QWidget &chooser) { return chooser.findChild<QLabel *>("PagePreview")->pixmap().toImage(); };
    QCOMPARE(preview(window), preview(clicked));

    QByteArray opened;
    window.setDesignerRunner([&](layout::TDoPages &designer) {
        opened = layoutBytes(designer.workingLayout());
        return false;
    });
    test::click(window, "ModifyButton");
    QCOMPARE(opened, layoutBytes(*stored));
    test::click(window, "SelectButton");
    QCOMPARE(layoutBytes(*target), layoutBytes(*stored));
}

// Opened from the main window, Select stays disabled whatever is selected.
void ListPagesTest::manageModeNeverSelects()
{
    test::TestWorkspace workspace;
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    QVERIFY(!enabled(window, "SelectButton"));
    clickRow(window, 2);
    QVERIFY(!enabled(window, "SelectButton"));
    for (const char *button : { "NewButton", "ModifyButton", "CopyButton", "DeleteButton", "SetDefaultButton",
             "ImportButton", "ExportButton", "ExtractButton", "ExitButton" })
        QVERIFY(enabled(window, button));
    test::click(window, "ExitButton");
    QVERIFY(!window.chosen());
}

// Select copies the selected record whole into the opener's layout and sets the chosen flag.
void ListPagesTest::selectCopiesIntoTheTarget()
{
    test::TestWorkspace workspace;
    auto target = std::make_unique<layout::LayoutRecord>(layout::defaultLayout());
    layout::TListPages window(workspace.context(), ChooserMode::ForPrinting, target.get(), nullptr);
    window.show();
    QVERIFY(enabled(window, "SelectButton"));
    clickRow(window, 5);
    test::click(window, "SelectButton");
    QVERIFY(window.chosen());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    const auto stored = layout::readLayout(workspace.context().layoutLibrary(), 2);
    QVERIFY(stored.hasValue());
    QCOMPARE(layoutBytes(*target), layoutBytes(*stored));

    // Exit chooses nothing and leaves the target alone.
    auto untouched = std::make_unique<layout::LayoutRecord>(layout::defaultLayout());
    layout::TListPages exited(workspace.context(), ChooserMode::ForWordList, untouched.get(), nullptr);
    exited.show();
    test::click(exited, "ExitButton");
    QVERIFY(!exited.chosen());
    QCOMPARE(layoutBytes(*untouched), layoutBytes(layout::defaultLayout()));
}

// An empty library warns, disables what needs an entry, and the first saved layout enables it.
void ListPagesTest::emptyLibraryWarnsAndNewEnablesTheButtons()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    QFile::resize(QString::fromStdString(workspace.context().layoutLibrary().string()), 0);
    layout::TListPages window(workspace.context(), ChooserMode::ForWordList, nullptr, nullptr);
    SavingDesigner designer(workspace.context());
    window.setDesignerRunner(std::ref(designer));
    window.show();
    QCOMPARE(dialogs.lastMessage(), QString("Warning|No saved page layouts could be found."));
    for (const char *button :
        { "SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton" })
        QVERIFY2(!enabled(window, button), button);
    QVERIFY(enabled(window, "NewButton"));
    test::click(window, "SelectButton");
    dialogs.clear();

    test::click(window, "NewButton");
    QCOMPARE(designer.names.size(), std::size_t(1));
    QCOMPARE(rows(window), QStringList({ "New Page (Letter)  <<DEFAULT>>" }));
    QCOMPARE(window.selectedRecord(), 0);
    for (const char *button :
        { "SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton" })
        QVERIFY2(enabled(window, button), button);
}

// The copy is named by the copy-name rule cut to 20 characters, saved as the last record and
// selected; a designer closed without saving changes nothing.
void ListPagesTest::copyNamesTheCopyWithinTwentyCharacters()
{
    test::TestWorkspace workspace;
    const auto library = workspace.context().layoutLibrary();
    auto longName = std::make_unique<layout::LayoutRecord>(layout::defaultLayout());
    longName->name.assign("Eighteen Character");
    QVERIFY(layout::addLayout(library, *longName).hasValue());
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    SavingDesigner designer(workspace.context());
    window.setDesignerRunner(std::ref(designer));
    window.show();
    const int row = int(rows(window).indexOf("Eighteen Character (Letter)"));
    QVERIFY(row >= 0);
    clickRow(window, row);

    designer.save = false;
    test::click(window, "CopyButton");
    QCOMPARE(designer.names.back(), std::string("Eighteen Character ("));
    QCOMPARE(fileBytes(library).size(), (BundledCount + 1) * LayoutSize);

    designer.save = true;
    test::click(window, "CopyButton");
    QCOMPARE(designer.names.back(), std::string("Eighteen Character ("));
    QCOMPARE(fileBytes(library).size(), (BundledCount + 2) * LayoutSize);
    QCOMPARE(window.selectedRecord(), BundledCount + 1);
    QCOMPARE(pageList(window)->currentItem()->text(), QString("Eighteen Character ( (Letter)"));

    // "Classic A4 (2)" copied again becomes "Classic A4 (3)".
    clickRow(window, 0);
    test::click(window, "CopyButton");
    QCOMPARE(designer.names.back(), std::string("Classic A4 (2)"));
    clickRow(window, int(rows(window).indexOf("Classic A4 (2) (A4)")));
    test::click(window, "CopyButton");
    QCOMPARE(designer.names.back(), std::string("Classic A4 (3)"));
}

void ListPagesTest::modifyReselectsTheSameRecord()
{
    test::TestWorkspace workspace;
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    const auto library = workspace.context().layoutLibrary();
    window.setDesignerRunner([&](layout::TDoPages &designer) {
        auto changed = std::make_unique<layout::LayoutRecord>(designer.workingLayout());
        changed->name.assign("Zebra");
        return bool(layout::replaceLayout(library, 2, *changed, fingerprintOf(designer.workingLayout())));
    });
    window.show();
    clickRow(window, 5); // "Two Column Clues", record 2
    test::click(window, "ModifyButton");
    QCOMPARE(rows(window).last(), QString("Zebra (Letter)"));
    QCOMPARE(pageList(window)->currentRow(), BundledCount - 1);
    QCOMPARE(window.selectedRecord(), 2);
    QCOMPARE(window.selectedLayout().name.view(), std::string_view("Zebra"));
}

// Yes deletes the record and selects the same position; No and a missing selection do nothing.
void ListPagesTest::deleteAsksAndKeepsThePosition()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const auto library = workspace.context().layoutLibrary();
    const QByteArray before = fileBytes(library);
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    clickRow(window, 1);
    dialogs.answer(app::Answer::No);
    test::click(window, "DeleteButton");
    QCOMPARE(dialogs.lastMessage(),
        QString("Delete?|Are you sure you want to delete \"Classic Letter (Letter)  <<DEFAULT>>\"?"));
    QCOMPARE(fileBytes(library), before);

    dialogs.answer(app::Answer::Yes);
    test::click(window, "DeleteButton");
    QCOMPARE(fileBytes(library), before.mid(LayoutSize));
    QCOMPARE(pageList(window)->currentRow(), 1);
    // The default number stays 0, which now names "Classic A4".
    QCOMPARE(workspace.context().settings.defaultPage, 0);
    QCOMPARE(rows(window).first(), QString("Classic A4 (A4)  <<DEFAULT>>"));

    // Deleting the last entry selects the new last one.
    clickRow(window, BundledCount - 2);
    test::click(window, "DeleteButton");
    QCOMPARE(pageList(window)->count(), BundledCount - 2);
    QCOMPARE(pageList(window)->currentRow(), BundledCount - 3);
}

void ListPagesTest::setDefaultWritesTheSetting()
{
    test::TestWorkspace workspace;
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    clickRow(window, 6);
    test::click(window, "SetDefaultButton");
    QCOMPARE(workspace.context().settings.defaultPage, 3);
    QCOMPARE(rows(window)[6], QString("Word List (Letter)  <<DEFAULT>>"));
    QCOMPARE(rows(window)[1], QString("Classic Letter (Letter)"));
    QCOMPARE(pageList(window)->currentRow(), 6);
}

// Export writes "PAG", "1.0" and the record; import appends it, selects it and remembers both paths.
void ListPagesTest::exportAndImportAPagFile()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const auto library = workspace.context().layoutLibrary();
    const QString pag = workspace.path("start/Landscape.PAG");
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    clickRow(window, 3);
    dialogs.chooseFile(pag);
    test::click(window, "ExportButton");
    QCOMPARE(dialogs.fileRequests().back().title, QString("Export Page Layouts"));
    QCOMPARE(dialogs.fileRequests().back().kind, app::FileDialogKind::Save);
    QCOMPARE(dialogs.fileRequests().back().defaultExtension, QString("PAG"));
    QCOMPARE(dialogs.lastMessage(), QString("OK|Page Layout Exported!"));
    QCOMPARE(workspace.context().settings.lastExportLayoutFile, pag.toStdString());
    const QByteArray exported = fileBytes(pag.toStdString());
    QCOMPARE(exported.size(), 6 + LayoutSize);
    QCOMPARE(exported.left(6), QByteArray("PAG1.0"));
    QCOMPARE(exported.mid(6), fileBytes(library).mid(5 * LayoutSize, LayoutSize));

    dialogs.chooseFile(pag);
    test::click(window, "ImportButton");
    QCOMPARE(dialogs.fileRequests().back().title, QString("Import Page Layouts"));
    QCOMPARE(dialogs.fileRequests().back().kind, app::FileDialogKind::Open);
    QCOMPARE(workspace.context().settings.lastImportLayoutFile, pag.toStdString());
    QCOMPARE(fileBytes(library).size(), (BundledCount + 1) * LayoutSize);
    QCOMPARE(window.selectedRecord(), BundledCount);

    // A cut file is refused and adds nothing.
    QFile::resize(pag, 6 + LayoutSize - 1);
    dialogs.chooseFile(pag);
    test::click(window, "ImportButton");
    QCOMPARE(dialogs.lastMessage(),
        QString("Error|Page layout file is corrupt or incompatible.  Import aborted."));
    QCOMPARE(fileBytes(library).size(), (BundledCount + 1) * LayoutSize);
    QCOMPARE(window.selectedRecord(), BundledCount);

    // A cancelled dialog does nothing.
    dialogs.chooseFile(std::nullopt);
    test::click(window, "ExportButton");
    QCOMPARE(workspace.context().settings.lastExportLayoutFile, pag.toStdString());
}

// The extract window lists the collection's puzzles sorted and appends the chosen one's layout.
void ListPagesTest::extractAddsAStoredPuzzlesLayout()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const QString collection = workspace.path("start/SAMPLE.ZP3");
    QVERIFY(QFile::copy(QString(GW_SOURCE_DIR "/data/SAMPLE.ZP3"), collection));
    workspace.context().settings.lastGroup = collection.toStdString();
    const auto library = workspace.context().layoutLibrary();
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    QStringList titles;
    QString caption;
    QString heading;
    QString refusal;
    window.setChildRunner([&](QDialog &dialog) {
        auto *list = dialog.findChild<QListWidget *>("PuzzleList");
        caption = dialog.windowTitle();
        heading = dialog.findChild<QLabel *>("PuzzleHeading")->text();
        for (int row = 0; row < list->count(); ++row)
            titles << list->item(row)->text();
        test::click(dialog, "ExtractButton");
        refusal = dialogs.lastMessage();
        list->setCurrentRow(1);
        test::click(dialog, "ExtractButton");
        return dialog.result();
    });
    window.show();
    test::click(window, "ExtractButton");
    QCOMPARE(caption, QString("Extract Page Layout From Puzzle"));
    QCOMPARE(heading, QString("Available Puzzles"));
    QCOMPARE(refusal, QString("Error|No puzzles have been selected for export."));
    QCOMPARE(titles.size(), 4);
    QStringList sorted = titles;
    std::sort(sorted.begin(), sorted.end(),
        [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(titles, sorted);
    QCOMPARE(fileBytes(library).size(), (BundledCount + 1) * LayoutSize);
    QCOMPARE(window.selectedRecord(), BundledCount);

    // The appended record is the chosen puzzle's layout, byte for byte.
    const model::CollectionLists lists = model::CollectionLists::load(collection.toStdString());
    int record = -1;
    for (const model::CollectionPuzzle &puzzle : lists.puzzles())
        if (QString::fromStdString(puzzle.title) == titles[1])
            record = puzzle.recordNumber;
    const auto puzzle = model::readPuzzle(collection.toStdString(), record, Failure {});
    QVERIFY(puzzle.hasValue());
    QCOMPARE(fileBytes(library).mid(BundledCount * LayoutSize), layoutBytes(puzzle->layout));

    // A collection that cannot be read reports it and adds nothing.
    layout::TExtractPage extract(workspace.context(), nullptr);
    extract.findChild<QListWidget *>("PuzzleList")->setCurrentRow(0);
    QFile::remove(collection);
    test::click(extract, "ExtractButton");
    QCOMPARE(dialogs.lastMessage(), QString("Error|Unable to open puzzle."));
    QVERIFY(!extract.addedRecord());
}

// The landscape Letter page fills the preview's width and leaves button face below it.
void ListPagesTest::previewScalesTheLandscapePageByItsWidth()
{
    test::TestWorkspace workspace;
    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    clickRow(window, 3);
    const QImage preview = window.findChild<QLabel *>("PagePreview")->pixmap().toImage();
    const layout::LayoutRecord &page = window.selectedLayout();
    QVERIFY(page.pageWidthPixels > page.pageHeightPixels);
    const double factor = double(preview.width()) / page.pageWidthPixels;
    const int shownHeight = int(page.pageHeightPixels * factor);
    QVERIFY(shownHeight < preview.height());
    QCOMPARE(preview.pixelColor(preview.width() / 2, shownHeight + 2), QColor(shapes::buttonFaceColour()));
    QCOMPARE(preview.pixelColor(1, 1), QColor(Qt::white));
}

// A record with every count, kind, size and rectangle out of range is listed and previewed:
// the preview walks 20 slots at most, skips unknown kinds and clamps the scaled rectangles.
void ListPagesTest::previewHoldsAHostileRecordToRange()
{
    test::TestWorkspace workspace;
    auto hostile = std::make_unique<layout::LayoutRecord>(layout::defaultLayout());
    hostile->name.assign("Hostile");
    hostile->objectCount = 32000;
    hostile->pageWidthPixels = 1;
    hostile->pageHeightPixels = 1;
    for (int slot = 0; slot < layout::MaxObjects; ++slot) {
        layout::LayoutObject &object = hostile->objects[slot];
        object.kind = static_cast<std::int16_t>(slot % 2 ? int(layout::ObjectKind::CombinedClues) : 14);
        object.rect = { INT_MIN, INT_MIN, INT_MAX, INT_MAX };
        object.columns = 32000;
        std::memset(object.text, 'x', sizeof object.text);
    }
    QVERIFY(layout::addLayout(workspace.context().layoutLibrary(), *hostile).hasValue());
    hostile->pageWidthPixels = -400;
    QVERIFY(layout::addLayout(workspace.context().layoutLibrary(), *hostile).hasValue());

    layout::TListPages window(workspace.context(), ChooserMode::Manage, nullptr, nullptr);
    window.show();
    QCOMPARE(rows(window)[3], QString("Hostile (Letter)"));
    QCOMPARE(rows(window)[4], QString("Hostile (Letter)"));
    clickRow(window, 3);
    QCOMPARE(window.selectedRecord(), BundledCount);
    const QImage covered = window.findChild<QLabel *>("PagePreview")->pixmap().toImage();
    QCOMPARE(covered.pixelColor(covered.width() / 2, covered.height() / 2), QColor(0, 255, 255));
    clickRow(window, 4);
    QCOMPARE(window.selectedRecord(), BundledCount + 1);
    const QImage blank = window.findChild<QLabel *>("PagePreview")->pixmap().toImage();
    QCOMPARE(blank.pixelColor(blank.width() / 2, blank.height() / 2), QColor(shapes::buttonFaceColour()));
}

void ListPagesTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        layout::TListPages window(workspace.context(), ChooserMode::ForWordList, nullptr, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickRow(window, 4);
        test::saveScreenshot(&window, QString("TListPages-%1").arg(qRound(factor * 100)));
    }
    const QString collection = workspace.path("start/SAMPLE.ZP3");
    QFile::copy(QString(GW_SOURCE_DIR "/data/SAMPLE.ZP3"), collection);
    workspace.context().settings.lastGroup = collection.toStdString();
    workspace.context().scaleFactor = 1.0;
    layout::TExtractPage extract(workspace.context(), nullptr);
    extract.show();
    QVERIFY(QTest::qWaitForWindowExposed(&extract));
    test::saveScreenshot(&extract, "TExtractPage");
}

QTEST_MAIN(ListPagesTest)
#include "tst_TListPages.moc"
