#include "generate/Generator.h"
#include "generate/ui/CandidatePicture.h"
#include "generate/ui/TCreatedPuzzle.h"
#include "shapes/ui/ShapePicture.h"
#include "support/TestRecords.h"
#include "uisupport/ListLines.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QListWidget>
#include <QtTest>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace gw;

namespace {

constexpr qint64 RecordSize = sizeof(model::PuzzleRecord);

// The chooser over the slots of a known run: XYZZY shares no letter with the other words, so
// every candidate leaves it out.  The collection file holds the given bytes.
struct Chooser
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    app::AppContext &context = workspace.context();
    std::unique_ptr<generate::TCreatedPuzzle> window;

    explicit Chooser(const QByteArray &collection = {})
    {
        *context.currentShape = shapes::newShape();
        context.currentShape->width = 12;
        context.currentShape->height = 12;
        const std::vector<model::WordRow> rows { { "CROSSWORD", "" }, { "WORDS", "" }, { "ICE CREAM", "" },
            { "ROW", "" }, { "SOCK", "" }, { "XYZZY", "" } };
        model::PuzzleRecord &working = *context.working;
        model::fillFromWordList(working, rows);
        model::takeShapeGeometry(working, *context.currentShape);
        working.title.assign("Quiz");
        working.category.assign("Games");
        const auto outcome = generate::BuildPuzzles(
            working, *context.currentShape, { 30, false, false }, 2024, *context.slots, nullptr);
        QVERIFY(!outcome.aborted);
        context.settings.lastGroup = (context.startDirectory / "TEST.ZP3").string();
        QFile file(path());
        if (!collection.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(collection);
    }
    // Shown, with slot 1 chosen as it is at once.
    void open()
    {
        window = std::make_unique<generate::TCreatedPuzzle>(context);
        window->show();
        QTRY_COMPARE(window->selectedSlot(), 1);
    }
    QString path() const { return QString::fromStdString(context.settings.lastGroup); }
    QWidget *child(const char *name) const { return window->findChild<QWidget *>(name); }
    QStringList items(const char *name) const
    {
        return test::listLines(window->findChild<QListWidget *>(name));
    }
    // The slot's record as Save must write it.
    QByteArray stamped(int slot) const
    {
        model::PuzzleRecord expected = context.slots->slots[slot].record;
        model::stampForSaving(expected, context.slots->slots[slot].placedFlags);
        return QByteArray::fromStdString(test::bytesOf(expected));
    }
};

// The bounding box of the dark pixels inside a rectangle.
QRect darkPixels(const QImage &picture, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(picture.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TCreatedPuzzleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A candidate's letter is drawn inside its square, near its middle.
    void candidatePictureKeepsLettersInTheirSquares()
    {
        auto record = std::make_unique<model::PuzzleRecord>();
        record->width = 15;
        record->height = 15;
        std::memset(record->grid, model::BlankCell, sizeof record->grid);
        record->grid[shapes::cellIndex(2, 1) - 1] = 'A';
        QImage picture = shapes::blankPicture(QSize(191, 191));
        generate::DrawAPuzzle(picture, *record, 1, QSize(15, 15));
        const QRect square(12, 1, 10, 10);
        const QRect letter = darkPixels(picture, square);
        QVERIFY(!letter.isEmpty() && square.contains(letter));
        QVERIFY(qAbs(letter.center().x() - square.center().x()) <= 2);

        // Hostile sizes stay in bounds.
        record->width = 32767;
        record->height = -1;
        generate::DrawAPuzzle(picture, *record, 4, QSize(32767, -1));
        record->height = 32767;
        generate::DrawAPuzzle(picture, *record, 4, QSize(32767, 32767));
        QCOMPARE(generate::candidateCellSize(picture.size(), record->safeWidth(), record->safeHeight()), 2);
    }

    // The words of the chosen slot are listed sorted, the left-out one apart; a double click
    // opens the enlarged view on a slot, captioned with its rank.  An empty slot can be neither
    // chosen (Save would store an empty grid) nor enlarged.
    void listsTheWordsAndLeavesEmptySlotsInert()
    {
        Chooser c;
        c.context.slots->slots[2].wordsPlaced = 0;
        c.open();
        QStringList captions;
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([&](QDialog &view) { captions << view.windowTitle(); });
        QCOMPARE(c.items("IncludedWords"), QStringList({ "CROSSWORD", "ICE CREAM", "ROW", "SOCK", "WORDS" }));
        QCOMPARE(c.items("ExcludedWords"), QStringList({ "XYZZY" }));
        QTest::mouseDClick(c.child("PuzzImage2"), Qt::LeftButton);
        QTest::mouseDClick(c.child("PuzzImage3"), Qt::LeftButton);
        QCOMPARE(captions, QStringList({ "Second Best Fit" }));
        QTest::mouseClick(c.child("PuzzImage3"), Qt::LeftButton);
        QCOMPARE(c.window->selectedSlot(), 1);
    }

    // Answering No writes nothing; Yes, with the second slot chosen, then appends exactly one record, the
    // slot stamped, and the main window is told to reselect it.
    void saveAnsweredNoWritesNothingAndYesAppendsTheStampedCandidate()
    {
        const QByteArray existing(RecordSize, '\x11');
        Chooser c(existing);
        std::string reselected;
        c.context.reselectAndReload = [&](const std::string &category, const std::string &title) {
            reselected = category + "/" + title;
        };
        c.dialogs.answer(app::Answer::No);
        c.open();
        test::clickButton(*c.window, "Save");
        QCOMPARE(c.dialogs.lastMessage(),
            QStringLiteral("Warning|One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
        QVERIFY(c.dialogs.messages()[0].buttons == app::Buttons::YesNo);
        QCOMPARE(test::fileBytes(c.path()), existing);
        QVERIFY(!c.window->saved());
        QTest::mouseClick(c.child("PuzzImage2"), Qt::LeftButton);

        c.dialogs.answer(app::Answer::Yes);
        test::clickButton(*c.window, "Save");
        QCOMPARE(test::fileBytes(c.path()), existing + c.stamped(1));
        QCOMPARE(reselected, std::string("Games/Quiz"));
        QVERIFY(c.window->saved());
        QVERIFY(!c.window->isVisible());
    }

    // A collection that can be neither opened nor created is reported and the chooser closes.
    void unwritableCollectionIsReported()
    {
        Chooser c;
        c.context.settings.lastGroup = (c.context.startDirectory / "missing" / "TEST.ZP3").string();
        bool reloaded = false;
        c.context.reselectAndReload = [&](const std::string &, const std::string &) { reloaded = true; };
        c.open();
        test::clickButton(*c.window, "Save");
        QCOMPARE(c.dialogs.lastMessage(), QStringLiteral("Error|Unable to save puzzle."));
        QVERIFY(!c.window->saved());
        QVERIFY(!reloaded);
    }
};

QTEST_MAIN(TCreatedPuzzleTest)
#include "tst_TCreatedPuzzle.moc"
