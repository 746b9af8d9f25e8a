#include "editor/ui/LayoutPreview.h"
#include "editor/ui/TWordList.h"
#include "generate/ui/TCreatedPuzzle.h"
#include "layout/DefaultLayout.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/ui/TExportWords.h"
#include "model/ui/TImportWords.h"
#include "shapes/ShapeExportFile.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ui/ShapePicture.h"
#include "shapes/ui/TDoShapes.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/WordListEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <memory>

using namespace gw;
using editor::TWordList;
using test::fileBytes;
using Editor = test::WordListEditor;

namespace {

constexpr int RecordSize = sizeof(model::PuzzleRecord);
constexpr auto Word = TWordList::WordColumn;
constexpr auto Clue = TWordList::ClueColumn;

template <std::size_t Capacity> QString text(const PString<Capacity> &stored)
{
    return QString::fromStdString(stored.str());
}

// The first bundled sample puzzle with one word that did not fit (entry 21, not placed) and
// its corner square outside the shape.
std::unique_ptr<model::PuzzleRecord> storedPuzzle()
{
    auto sample = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", 0, model::unableToLoadPuzzle());
    if (!sample)
        qFatal("sample collection unreadable");
    auto record = std::make_unique<model::PuzzleRecord>(*sample);
    record->words[20].assign("GANDER");
    record->clues[20].assign("Male goose");
    record->placed[20] = 0;
    record->grid[0] = model::OutsideCell;
    return record;
}

QString selectedShape(Editor &editor)
{
    const QListWidgetItem *current = editor.find<QListWidget>("ShapeBox")->currentItem();
    return current ? current->text() : QString();
}

} // namespace

class TestTWordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createSavesOnePackedRecordThroughTheChooser();
    void createRefusesEntriesInOrderThenPacksRows();
    void storedPuzzleLocksItsWordsAndSavesInPlace();
    void exitFromANewPuzzleAsksBeforeDroppingTypedText_data();
    void exitFromANewPuzzleAsksBeforeDroppingTypedText();
    void clearedTitleOrCategoryNeverReachesTheCollection_data();
    void clearedTitleOrCategoryNeverReachesTheCollection();
    void deleteAllDeleteAndTheCellEditor();
    void shapeCommands();
    void pagePreviewSurvivesHostileLayouts();
    void textExportThenImportIntoANewPuzzle();
};

// Protects the main road: one attempt runs the generator directly and the real chooser's Save
// appends exactly one whole record holding the three words.
void TestTWordList::createSavesOnePackedRecordThroughTheChooser()
{
    Editor editor;
    QString reselected;
    editor.context().reselectAndReload = [&](const std::string &category, const std::string &title) {
        reselected = QString::fromStdString(category + "/" + title);
    };
    TWordList &window = editor.open();
    editor.show();
    editor.type("Title", "  Farm Day  ");
    editor.type("Category", "Nature");
    editor.typeCell(1, Word, "HORSE");
    editor.typeCell(3, Word, "SHEEP");
    editor.typeCell(7, Word, "GOAT");

    auto *saver = new QTimer(&window);
    connect(saver, &QTimer::timeout, [saver] {
        auto *chooser = qobject_cast<generate::TCreatedPuzzle *>(QApplication::activeModalWidget());
        if (chooser && chooser->selectedSlot() == 1) {
            saver->stop();
            QTest::mouseClick(chooser->findChild<QPushButton *>("Save"), Qt::LeftButton);
        }
    });
    saver->start(10);
    editor.click("CreateIt");

    // A word left out of the best fit makes the chooser ask before saving; nothing else may.
    for (const app::MessageRequest &message : editor.dialogs.messages())
        QCOMPARE(
            message.text, QString("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(reselected, QString("Nature/Farm Day"));
    const QByteArray file = fileBytes(editor.collection);
    QCOMPARE(file.size(), RecordSize);
    auto saved = std::make_unique<model::PuzzleRecord>();
    std::memcpy(saved.get(), file.constData(), RecordSize);
    QStringList words { text(saved->words[0]), text(saved->words[1]), text(saved->words[2]) };
    words.sort();
    QCOMPARE(words, QStringList({ "GOAT", "HORSE", "SHEEP" }));
    QCOMPARE(saved->generated, std::uint8_t(1));
}

// Protects where each Create check sends the user (the check texts and their order are the
// core's): a word's refusal must land on the row the word stands in, not on its entry number,
// and the length check must use the shape the user clicked.  Then what Create takes from the
// window: rows 1, 4 and 7 become entries 1 to 3, a clue without a word is dropped, "12a" is 12
// attempts kept in the settings and run in the progress window before the chooser, and the
// shape goes to the settings at once.
void TestTWordList::createRefusesEntriesInOrderThenPacksRows()
{
    Editor editor;
    app::AppContext &context = editor.context();
    const auto cutSquare = [] {
        shapes::ShapeRecord shape = shapes::newShape();
        shape.title.assign("Cut Square");
        shape.width = shape.height = 15;
        for (int i = 1; i <= 15; ++i)
            shape.cells[shapes::cellIndex(12, i) - 1] = shape.cells[shapes::cellIndex(i, 12) - 1] = 0;
        return shape;
    }();
    const Result<int> cutRecord = shapes::addShape(context.shapeLibrary(), cutSquare);
    QVERIFY(cutRecord.hasValue());
    context.settings.lastShape = 999;
    test::ScriptedChildren children;
    TWordList &window = editor.open();
    editor.show();
    // A Last Shape that names no record selects the first entry of the sorted list.
    QCOMPARE(selectedShape(editor), QString("10x10 Square"));
    QCOMPARE(context.settings.lastShape, 0);
    const auto refusedWith = [&](const QString &expected) {
        editor.click("CreateIt");
        return editor.dialogs.lastMessage() == "Error|" + expected;
    };

    QVERIFY(refusedWith("No title specified.  Please correct."));
    QVERIFY(editor.find<QLineEdit>("Title")->hasFocus());
    editor.type("Title", "Quiz");
    QVERIFY(refusedWith("No category specified.  Please correct."));
    QVERIFY(editor.find<QComboBox>("Category")->hasFocus());
    editor.type("Category", "Misc");
    editor.typeCell(5, Clue, "Clue without a word");
    QVERIFY(refusedWith("No words have been entered.  Please correct."));

    editor.typeCell(1, Word, "HORSE");
    editor.typeCell(1, Clue, "Pulls a cart");
    editor.type("Attempts", "0");
    QVERIFY(refusedWith("Attempts must be between 1 and 999.  Please correct."));
    QVERIFY(editor.find<QLineEdit>("Attempts")->hasFocus());
    editor.type("Attempts", "12a");

    editor.typeCell(4, Word, "ABCDEFGHIJKLMNOP");
    editor.grid()->setCurrentCell(0, Clue);
    QVERIFY(
        refusedWith("Word is greater than puzzle dimension size of 10 characters in \"ABCDEFGHIJKLMNOP\"."));
    QVERIFY(editor.grid()->hasFocus());
    QCOMPARE(editor.grid()->currentRow(), 3);
    QCOMPARE(editor.grid()->currentColumn(), int(Word));

    // A click on a shape makes it current and the setting "Last Shape".
    auto *shapeBox = editor.find<QListWidget>("ShapeBox");
    const QListWidgetItem *cut = shapeBox->findItems("15x15 Cut Square", Qt::MatchExactly).value(0);
    QVERIFY(cut);
    shapeBox->scrollToItem(cut);
    QTest::mouseClick(shapeBox->viewport(), Qt::LeftButton, {}, shapeBox->visualItemRect(cut).center());
    QCOMPARE(context.settings.lastShape, *cutRecord);
    editor.typeCell(4, Word, "ABCDEFGHIJKL");
    QVERIFY(refusedWith(
        "The maximum word length as provided by the selected layout is 11.  The following word is "
        "greater than the maximum word length: \"ABCDEFGHIJKL\".  You will need to correct the "
        "word or change the layout."));
    QCOMPARE(editor.grid()->currentRow(), 3);
    QVERIFY(children.opened.isEmpty());

    editor.typeCell(4, Word, "  SHEEP");
    editor.typeCell(7, Word, "GOAT");
    test::saveScreenshot(&window, "TWordList-new");
    editor.click("CreateIt");
    QCOMPARE(
        children.opened, QStringList({ "gw::generate::TCreationAttempts", "gw::generate::TCreatedPuzzle" }));
    QCOMPARE(context.settings.attempts, 12);
    QVERIFY(window.isVisible());
    const model::PuzzleRecord &working = *context.working;
    QCOMPARE(int(working.wordCount), 3);
    QCOMPARE(text(working.words[0]) + "|" + text(working.clues[0]), QString("HORSE|Pulls a cart"));
    QCOMPARE(text(working.words[1]) + "|" + text(working.clues[1]), QString("SHEEP|"));
    QCOMPARE(text(working.words[2]), QString("GOAT"));
    QCOMPARE(int(working.width), 15);
}

// Protects what a stored puzzle may not change, and its own shape built from its grid; then
// Save: its own record rewritten in place, wordCount counting the left-out word, the grid and
// placement untouched, the other record left alone; and a failed save that keeps the editor
// open instead of dropping the changes.
void TestTWordList::storedPuzzleLocksItsWordsAndSavesInPlace()
{
    Editor editor;
    const auto record = storedPuzzle();
    editor.storeAndModify(*record);
    const QByteArray before = fileBytes(editor.collection);
    QString reselected;
    editor.context().reselectAndReload = [&](const std::string &category, const std::string &title) {
        reselected = QString::fromStdString(category + "/" + title);
    };
    TWordList &window = editor.open();
    editor.show();
    test::saveScreenshot(editor.window.get(), "TWordList-stored");
    QVERIFY(editor.dialogs.messages().empty());
    QTableWidget *table = editor.grid();
    QCOMPARE(table->item(20, Word)->text(), QString("GANDER"));
    QCOMPARE(table->item(19, TWordList::UColumn)->text(), QString("x"));
    QCOMPARE(table->item(20, TWordList::UColumn)->text(), QString());
    QVERIFY(!(table->item(0, Word)->flags() & Qt::ItemIsEditable));
    QVERIFY(table->item(0, Clue)->flags() & Qt::ItemIsEditable);
    QCOMPARE(selectedShape(editor), QString("15x15 <Current Puzzle>"));
    const shapes::ShapeRecord &shape = *editor.context().currentShape;
    QVERIFY(!shape.usable(shapes::cellIndex(1, 1)) && shape.usable(shapes::cellIndex(2, 1)));
    QVERIFY(shape.usable(shapes::cellIndex(15, 15)) && !shape.usable(shapes::cellIndex(16, 1)));

    editor.context().settings.lastGroup = editor.workspace.path("missing/PUZZLES.ZP3").toStdString();
    editor.typeCell(2, Clue, "Quacks");
    editor.click("SaveButton");
    QCOMPARE(editor.dialogs.lastMessage(), QString("Error|Unable to save puzzle."));
    QVERIFY(window.isVisible());
    editor.context().settings.lastGroup = editor.collection.toStdString();
    editor.click("SaveButton");
    QCOMPARE(editor.dialogs.messages().size(), size_t(1));
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(reselected, QString("Nature/Farm Animals"));
    auto expected = std::make_unique<model::PuzzleRecord>(*record);
    expected->clues[1].assign("Quacks");
    expected->wordCount = 21;
    const QByteArray after = fileBytes(editor.collection);
    QCOMPARE(after.size(), 2 * RecordSize);
    QCOMPARE(after.left(RecordSize), before.left(RecordSize));
    QVERIFY(after.mid(RecordSize) == QByteArray(reinterpret_cast<const char *>(expected.get()), RecordSize));
}

void TestTWordList::exitFromANewPuzzleAsksBeforeDroppingTypedText_data()
{
    QTest::addColumn<QString>("puzzle"); // new, copy (of a stored one) or stored
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("afterYes"); // empty: Create went through to the chooser; "No": answered No
    const QString noTitle = "Error|No title specified.  Please correct.";
    QTest::newRow("nothing") << "new" << QStringList() << QString();
    QTest::newRow("copy, nothing") << "copy" << QStringList() << QString();
    QTest::newRow("clue of a new puzzle") << "new" << QStringList { "Clue" } << noTitle;
    QTest::newRow("ready to create") << "new" << QStringList { "Title", "Category", "Word" } << QString();
    QTest::newRow("exitAsksWhenAStoredPuzzleChanged: nothing") << "stored" << QStringList() << QString();
    QTest::newRow("exitAsksWhenAStoredPuzzleChanged: clue") << "stored" << QStringList { "Clue" } << "No";
    QTest::newRow("exitAsksWhenAStoredPuzzleChanged: layout") << "stored" << QStringList { "Layout" } << "No";
}

// Exit from a new puzzle threw away every typed word and clue without a question.  Yes saves
// it the only way a new puzzle is saved, through Create and its checks.  A stored puzzle is
// asked about only when a clue or the layout changed; Cancel keeps the editor, and No (Escape
// too) closes without writing.
void TestTWordList::exitFromANewPuzzleAsksBeforeDroppingTypedText()
{
    QFETCH(QString, puzzle);
    QFETCH(QStringList, typed);
    QFETCH(QString, afterYes);
    Editor editor;
    if (puzzle != "new") {
        editor.storeAndModify(*storedPuzzle());
        if (puzzle == "copy") {
            model::makeCopy(*editor.context().working);
            editor.context().workingIsNew = true;
        }
    }
    const QByteArray before = fileBytes(editor.collection);
    // One attempt builds the puzzle here, without the progress window; the chooser saves it and
    // the layout chooser picks another page.
    editor.context().settings.attempts = 1;
    test::ScriptedChildren children;
    children.onChild = [](QDialog &child) {
        child.show();
        if (auto *list = child.findChild<QListWidget *>("PageList")) {
            list->setCurrentItem(list->findItems("Landscape Letter", Qt::MatchStartsWith).value(0));
            test::clickButton(child, "SelectButton");
        } else if (auto *chooser = qobject_cast<generate::TCreatedPuzzle *>(&child)) {
            // The chooser selects its first candidate once shown.
            if (!QTest::qWaitFor([&] { return chooser->selectedSlot() == 1; }))
                return int(QDialog::Rejected);
            test::clickButton(child, "Save");
        }
        return child.result();
    };
    TWordList &window = editor.open();
    editor.show();
    for (const QString &control : typed) {
        if (control == "Word")
            editor.typeCell(1, Word, "HORSE");
        else if (control == "Clue")
            editor.typeCell(1, Clue, "Pulls a cart");
        else if (control == "Layout")
            editor.click("ChangeLayout");
        else
            editor.type(qPrintable(control), "Typed");
    }
    editor.dialogs.answer(app::Answer::Cancel);
    editor.click("Cancel");
    if (typed.isEmpty()) {
        QCOMPARE(editor.dialogs.messages().size(), size_t(0));
        QVERIFY(!window.isVisible());
        return;
    }
    QCOMPARE(editor.dialogs.lastMessage(), QString("Warning|Puzzle has been modified.  Save changes?"));
    QCOMPARE(editor.dialogs.messages().back().buttons, app::Buttons::YesNoCancel);
    QVERIFY(window.isVisible());

    if (afterYes != "No") {
        editor.click("Cancel"); // answered Yes
        const bool chooserOpened = children.opened.contains("gw::generate::TCreatedPuzzle");
        QCOMPARE(chooserOpened, afterYes.isEmpty());
        if (chooserOpened) {
            QCOMPARE(window.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(editor.dialogs.lastMessage(), afterYes);
        QVERIFY(window.isVisible());
    }
    editor.dialogs.answer(app::Answer::No);
    QTest::keyClick(editor.window.get(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(fileBytes(editor.collection), before);
}

void TestTWordList::clearedTitleOrCategoryNeverReachesTheCollection_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("refusal");
    const QString noTitle = "Error|No title specified.  Please correct.";
    const QString noCategory = "Error|No category specified.  Please correct.";
    for (const char *button : { "SaveButton", "AddWordsButton", "Cancel" }) {
        QTest::addRow("%s, title", button) << button << "Title" << noTitle;
        QTest::addRow("%s, category", button) << button << "Category" << noCategory;
    }
}

// Add Words, and Yes to Exit's question, wrote a cleared title or category into the collection
// without the checks of Save.
void TestTWordList::clearedTitleOrCategoryNeverReachesTheCollection()
{
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, refusal);
    Editor editor;
    editor.storeAndModify(*storedPuzzle());
    const QByteArray before = fileBytes(editor.collection);
    test::ScriptedChildren children;
    editor.open();
    editor.show();
    editor.type(qPrintable(field), "  ");
    editor.click(qPrintable(button)); // Exit's question answered Yes
    QCOMPARE(editor.dialogs.lastMessage(), refusal);
    QVERIFY(editor.find<QWidget>(qPrintable(field))->hasFocus());
    QVERIFY(editor.window->isVisible());
    QVERIFY(children.opened.isEmpty());
    QCOMPARE(fileBytes(editor.collection), before);

    editor.type(qPrintable(field), field == "Title" ? "Farm Animals" : "Nature");
    editor.click("AddWordsButton");
    QCOMPARE(children.opened, QStringList({ "gw::generate::TManualAdd" }));
}

// Protects Delete All's two messages and answers, Delete's shift of the rows below, the cell
// editor starting on 30 characters of a word and the international character keys F1..F12.
void TestTWordList::deleteAllDeleteAndTheCellEditor()
{
    Editor editor;
    editor.context().settings.intKeys[11] = "0233";
    TWordList &window = editor.open();
    editor.show();
    editor.find<QLineEdit>("Title")->setFocus();
    QTest::keyClick(editor.find<QLineEdit>("Title"), Qt::Key_F12);
    QCOMPARE(editor.find<QLineEdit>("Title")->text(), QString(QChar(0xE9)));

    editor.typeCell(4, Clue, "Clue only");
    editor.click("DeleteAllClue");
    QCOMPARE(editor.dialogs.lastMessage(), QString("Error|All words are already cleared."));

    for (int row = 1; row <= 3; ++row)
        editor.typeCell(row, Word, QString("WORD%1").arg(row));
    window.setRowWord(200, "LAST");
    editor.grid()->setCurrentCell(1, Clue);
    editor.click("DeleteClue");
    QCOMPARE(QStringList({ window.rowWord(1), window.rowWord(2), window.rowClue(3), window.rowWord(199) }),
        QStringList({ "WORD1", "WORD3", "Clue only", "LAST" }));
    QCOMPARE(window.rowWord(200), QString());

    editor.dialogs.answer(app::Answer::No);
    editor.click("DeleteAllClue");
    QCOMPARE(
        editor.dialogs.lastMessage(), QString("Warning|This will remove all words and clues.  Continue?"));
    QCOMPARE(window.GetWordCount(), 3);
    editor.click("DeleteAllClue");
    QCOMPARE(window.GetWordCount(), 0);

    window.setRowWord(1, QString(40, 'W'));
    editor.grid()->setFocus();
    editor.grid()->editItem(editor.grid()->item(0, Word));
    auto *cellEditor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(cellEditor);
    QCOMPARE(cellEditor->text(), QString(30, 'W'));
}

// The editor's shape commands are the shape library's (their files and messages are tested
// with the shape chooser): the missing-library warning, an export's notice, and the designer
// opened with Modify's mode and the selected record.
void TestTWordList::shapeCommands()
{
    {
        Editor editor;
        QFile::remove(QString::fromStdString(editor.context().shapeLibrary().string()));
        editor.open();
        editor.show();
        QCOMPARE(editor.dialogs.lastMessage(), QString("Warning|No saved shape information could be found."));
    }
    Editor editor;
    app::AppContext &context = editor.context();
    // Modify opens the designer on the selected shape, and its Save replaces that record.
    QString designed;
    test::ScriptedChildren children;
    children.onChild = [&](QDialog &designer) {
        designed = text(qobject_cast<shapes::TDoShapes *>(&designer)->workingShape().title);
        designer.show();
        test::clickButton(designer, "Save");
        return designer.result();
    };
    editor.open();
    editor.show();
    QCOMPARE(selectedShape(editor), QString("15x15 Square"));
    editor.dialogs.chooseFile(editor.workspace.path("start/SQUARE.LAY"));
    editor.click("ExportShape");
    QCOMPARE(editor.dialogs.lastMessage(), QString("OK|Puzzle Shape Exported!"));
    const qint64 librarySize = QFileInfo(QString::fromStdString(context.shapeLibrary().string())).size();
    editor.click("ModifyShape");
    QCOMPARE(designed, QString("Square"));
    QCOMPARE(QFileInfo(QString::fromStdString(context.shapeLibrary().string())).size(), librarySize);
    QCOMPARE(selectedShape(editor), QString("15x15 Square"));
}

// Protects the preview against layouts read from files: no page size, a count past the slots,
// unknown kinds, absurd coordinates and column counts draw nothing wrong and never crash.
void TestTWordList::pagePreviewSurvivesHostileLayouts()
{
    const QColor face(200, 200, 200);
    auto page = std::make_unique<layout::LayoutRecord>(layout::defaultLayout());
    for (const std::int16_t height : { 0, -528 }) {
        page->pageHeightPixels = height;
        QCOMPARE(editor::DrawPageBox(*page, QSize(117, 137), face).pixelColor(50, 50), face);
    }
    page->pageHeightPixels = 528;
    page->objectCount = 500;
    for (layout::LayoutObject &object : page->objects) {
        object.kind = 99;
        object.columns = 30000;
        object.rect = { INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX };
    }
    QCOMPARE(editor::DrawPageBox(*page, QSize(117, 137), face).pixelColor(50, 50), QColor(Qt::white));
    page->objects[19].kind = int16_t(layout::ObjectKind::AcrossClues);
    QCOMPARE(editor::DrawPageBox(*page, QSize(117, 137), face).pixelColor(50, 50), QColor(0, 255, 255));
}

// The editor hands its rows to the word file windows and takes their changed rows back: the
// exported file holds the typed pairs, and importing it into a new puzzle fills the rows after
// the typed one in list order.
void TestTWordList::textExportThenImportIntoANewPuzzle()
{
    const QString file = QDir::temp().filePath("gw_tst_wordlist_words.txt");
    test::ScriptedChildren children;
    {
        Editor editor;
        editor.open();
        editor.show();
        editor.typeCell(1, Word, "ZEBRA");
        editor.typeCell(1, Clue, "Striped horse");
        editor.typeCell(4, Word, "EMU");
        editor.dialogs.chooseFile(file);
        children.onChild = [](QDialog &exporter) {
            test::clickButton(exporter, "SelectAllButton");
            test::clickButton(exporter, "SaveFileButton");
            return exporter.result();
        };
        editor.click("ExportClue");
        QCOMPARE(fileBytes(file),
            QByteArray("EMU                            : \r\n"
                       "ZEBRA                          : Striped horse\r\n"));
    }
    Editor editor;
    editor.context().settings.importOption = 3;
    TWordList &window = editor.open();
    editor.show();
    editor.typeCell(1, Word, "LION");
    editor.dialogs.chooseFile(file);
    children.onChild = [](QDialog &importer) {
        for (const char *button : { "OpenFileButton", "SelectAllButton", "OkButton" })
            test::clickButton(importer, button);
        return importer.result();
    };
    editor.click("ImportClue");
    QFile::remove(file);
    QCOMPARE(QStringList({ window.rowWord(1), window.rowWord(2), window.rowWord(3), window.rowClue(3) }),
        QStringList({ "LION", "EMU", "ZEBRA", "Striped horse" }));
}

QTEST_MAIN(TestTWordList)
#include "tst_TWordList.moc"
