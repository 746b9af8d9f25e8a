#include "layout/DefaultLayout.h"
#include "layout/LayoutLibrary.h"
#include "layout/LibraryWindowTesting.h"
#include "layout/ui/TExtractPage.h"
#include "layout/ui/TListPages.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "shapes/ui/ShapePicture.h"
#include "uisupport/ListLines.h"
#include "uisupport/ScriptedChildren.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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

QByteArray libraryBytes(app::AppContext &context)
{
    return test::libraryBytes(context.layoutLibrary());
}

QListWidget *pageList(QWidget &window)
{
    return window.findChild<QListWidget *>("PageList");
}

void clickRow(QWidget &window, int row)
{
    test::clickRow(pageList(window), row);
}

bool enabled(QWidget &window, const char *button)
{
    return test::child<QPushButton>(window, button)->isEnabled();
}

QStringList rows(QWidget &window)
{
    return test::listLines(pageList(window));
}

QImage preview(QWidget &window)
{
    return window.findChild<QLabel *>("PagePreview")->pixmap().toImage();
}

} // namespace

class ListPagesTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { stop(); }

    // The library is listed sorted with the default marked, the first entry selected; a click
    // selects the record its line stands for, and Set Default makes that record the default.
    void listsTheLibraryWithTheDefaultMarked()
    {
        layout::TListPages window(context(), ChooserMode::Manage, nullptr, nullptr);
        window.show();
        QCOMPARE(rows(window).size(), BundledCount);
        QCOMPARE(rows(window)[1], QString("Classic Letter (Letter)  <<DEFAULT>>"));
        QCOMPARE(window.selectedRecord(), 1);
        clickRow(window, 3);
        QCOMPARE(window.selectedRecord(), 5);
        test::saveScreenshot(&window, "TListPages");

        clickRow(window, 6);
        test::clickButton(window, "SetDefaultButton");
        QCOMPARE(context().settings.defaultPage, 3);
        QCOMPARE(rows(window)[6], QString("Word List (Letter)  <<DEFAULT>>"));
    }

    // The highlight moved by the keyboard carries the selected layout, the preview, Modify and
    // Select with it, as a click does: Modify must never open (and save over) the entry
    // highlighted before, and Select copies the highlighted record whole into the opener's layout.
    void chooserFollowsArrowKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("row");
        QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1;
        QTest::newRow("End") << QList<int> { Qt::Key_End } << BundledCount - 1;
        QTest::newRow("End Up") << QList<int> { Qt::Key_End, Qt::Key_Up } << BundledCount - 2;
        QTest::newRow("letter L") << QList<int> { Qt::Key_L } << 3;
    }
    void chooserFollowsArrowKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, row);
        const auto library = context().layoutLibrary();
        auto target = std::make_unique<layout::LayoutRecord>();
        layout::TListPages window(context(), ChooserMode::ForWordList, target.get(), nullptr);
        window.show();
        for (const int key : keys)
            QTest::keyClick(pageList(window), Qt::Key(key));
        QCOMPARE(pageList(window)->currentRow(), row);
        const int record = window.selectedRecord();
        const auto stored = layout::readLayout(library, record);
        QVERIFY(stored.hasValue());
        QCOMPARE(test::recordBytes(window.selectedLayout()), test::recordBytes(*stored));

        layout::TListPages clicked(context(), ChooserMode::ForWordList, nullptr, nullptr);
        clicked.show();
        clickRow(clicked, row);
        QCOMPARE(preview(window), preview(clicked));

        QByteArray opened;
        test::ScriptedChildren children;
        children.onChild = [&](QDialog &designer) {
            opened = test::recordBytes(dynamic_cast<layout::TDoPages &>(designer).workingLayout());
            return int(QDialog::Rejected);
        };
        test::clickButton(window, "ModifyButton");
        QCOMPARE(opened, test::recordBytes(*stored));
        test::clickButton(window, "SelectButton");
        QVERIFY(window.chosen());
        QCOMPARE(test::recordBytes(*target), test::recordBytes(*stored));
    }

    // An empty library warns and disables what needs an entry; New lists the first saved layout.
    void emptyLibraryWarnsAndNewListsTheFirstLayout()
    {
        QFile::resize(QString::fromStdString(context().layoutLibrary().string()), 0);
        layout::TListPages window(context(), ChooserMode::ForWordList, nullptr, nullptr);
        test::ScriptedChildren children;
        children.onChild = [](QDialog &designer) {
            designer.show();
            test::clickButton(designer, "Save");
            return designer.result();
        };
        window.show();
        QCOMPARE(dialogs->lastMessage(), QString("Warning|No saved page layouts could be found."));
        const char *needEntry[]
            = { "SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton" };
        for (const char *button : needEntry)
            QVERIFY2(!enabled(window, button), button);
        test::clickButton(window, "NewButton");
        QCOMPARE(rows(window), QStringList({ "New Page (Letter)  <<DEFAULT>>" }));
    }

    // Yes deletes the record and selects the same position, the default number staying; No does
    // nothing.
    void deleteAsksAndKeepsThePosition()
    {
        const QByteArray before = libraryBytes(context());
        layout::TListPages window(context(), ChooserMode::Manage, nullptr, nullptr);
        window.show();
        clickRow(window, 1);
        dialogs->answer(app::Answer::No);
        test::clickButton(window, "DeleteButton");
        QCOMPARE(dialogs->lastMessage(),
            QString("Delete?|Are you sure you want to delete \"Classic Letter (Letter)  <<DEFAULT>>\"?"));
        QCOMPARE(libraryBytes(context()), before);

        dialogs->answer(app::Answer::Yes);
        test::clickButton(window, "DeleteButton");
        QCOMPARE(libraryBytes(context()).size(), before.size() - LayoutSize);
        QCOMPARE(pageList(window)->currentRow(), 1);
        QCOMPARE(context().settings.defaultPage, 0);
        QCOMPARE(rows(window).first(), QString("Classic A4 (A4)  <<DEFAULT>>"));
    }

    // Export writes the selected record and says so; import appends it and selects it; a cut file
    // is refused and adds nothing.
    void exportAndImportAPagFile()
    {
        const QString pag = workspace->path("start/Landscape.PAG");
        layout::TListPages window(context(), ChooserMode::Manage, nullptr, nullptr);
        window.show();
        clickRow(window, 3);
        dialogs->chooseFile(pag);
        test::clickButton(window, "ExportButton");
        QCOMPARE(dialogs->lastMessage(), QString("OK|Page Layout Exported!"));
        QCOMPARE(context().settings.lastExportLayoutFile, pag.toStdString());

        dialogs->chooseFile(pag);
        test::clickButton(window, "ImportButton");
        QCOMPARE(window.selectedRecord(), BundledCount);

        QFile::resize(pag, 6 + LayoutSize - 1);
        dialogs->chooseFile(pag);
        test::clickButton(window, "ImportButton");
        QCOMPARE(dialogs->lastMessage(),
            QString("Error|Page layout file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(libraryBytes(context()).size(), (BundledCount + 1) * LayoutSize);
    }

    // The extract window appends the chosen puzzle's layout, byte for byte; a collection that
    // cannot be read is reported and adds nothing.
    void extractAddsAStoredPuzzlesLayout()
    {
        const QString collection = workspace->path("start/SAMPLE.ZP3");
        QVERIFY(QFile::copy(QString(GW_SOURCE_DIR "/data/SAMPLE.ZP3"), collection));
        context().settings.lastGroup = collection.toStdString();
        layout::TListPages window(context(), ChooserMode::Manage, nullptr, nullptr);
        QString chosen;
        QString refusal;
        test::ScriptedChildren children;
        children.onChild = [&](QDialog &dialog) {
            dialog.show();
            test::saveScreenshot(&dialog, "TExtractPage");
            test::clickButton(dialog, "ExtractButton");
            refusal = dialogs->lastMessage();
            auto *list = dialog.findChild<QListWidget *>("PuzzleList");
            list->setCurrentRow(1);
            chosen = list->currentItem()->text();
            test::clickButton(dialog, "ExtractButton");
            return dialog.result();
        };
        window.show();
        test::clickButton(window, "ExtractButton");
        QCOMPARE(refusal, QString("Error|No puzzles have been selected for export."));
        QCOMPARE(window.selectedRecord(), BundledCount);

        const model::CollectionLists lists = model::CollectionLists::load(collection.toStdString());
        int record = -1;
        for (const model::CollectionPuzzle &puzzle : lists.puzzles())
            if (QString::fromStdString(puzzle.title) == chosen)
                record = puzzle.recordNumber;
        const auto puzzle = model::readPuzzle(collection.toStdString(), record, Failure {});
        QVERIFY(puzzle.hasValue());
        QCOMPARE(libraryBytes(context()).mid(BundledCount * LayoutSize), test::recordBytes(puzzle->layout));

        layout::TExtractPage extract(context(), nullptr);
        extract.findChild<QListWidget *>("PuzzleList")->setCurrentRow(0);
        QFile::remove(collection);
        test::clickButton(extract, "ExtractButton");
        QCOMPARE(dialogs->lastMessage(), QString("Error|Unable to open puzzle."));
        QVERIFY(!extract.addedRecord());
    }

    // A record with every count, kind, size and rectangle out of range is listed and previewed:
    // the preview walks 20 slots at most, skips unknown kinds and clamps the scaled rectangles.
    void previewHoldsAHostileRecordToRange()
    {
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
        QVERIFY(layout::addLayout(context().layoutLibrary(), *hostile).hasValue());
        hostile->pageWidthPixels = -400;
        QVERIFY(layout::addLayout(context().layoutLibrary(), *hostile).hasValue());

        layout::TListPages window(context(), ChooserMode::Manage, nullptr, nullptr);
        window.show();
        QCOMPARE(rows(window)[3], QString("Hostile (Letter)"));
        clickRow(window, 3);
        QCOMPARE(window.selectedRecord(), BundledCount);
        const QImage covered = preview(window);
        QCOMPARE(covered.pixelColor(covered.width() / 2, covered.height() / 2), QColor(0, 255, 255));
        clickRow(window, 4);
        QCOMPARE(window.selectedRecord(), BundledCount + 1);
        const QImage blank = preview(window);
        QCOMPARE(blank.pixelColor(blank.width() / 2, blank.height() / 2), QColor(shapes::buttonFaceColour()));
    }
};

QTEST_MAIN(ListPagesTest)
#include "tst_TListPages.moc"
