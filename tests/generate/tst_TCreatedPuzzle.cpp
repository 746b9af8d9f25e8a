#include "generate/Generator.h"
#include "generate/ui/TBlowItUp.h"
#include "generate/ui/TCreatedPuzzle.h"
#include "render/TextConversion.h"
#include "shapes/ui/ShapePicture.h"
#include "support/TestRecords.h"
#include "uisupport/ListLines.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
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
    QString label(const char *name) const { return window->findChild<QLabel *>(name)->text(); }
    // The slot's record as Save must write it.
    QByteArray stamped(int slot) const
    {
        model::PuzzleRecord expected = context.slots->slots[slot].record;
        model::stampForSaving(expected, context.slots->slots[slot].placedFlags);
        return QByteArray::fromStdString(test::bytesOf(expected));
    }
};

} // namespace

class TCreatedPuzzleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Slot 1's words are listed sorted, the phrase with its blank; a double click opens the
    // enlarged view on a slot, captioned with its rank.
    void listsTheWordsAndEnlargesASlot()
    {
        Chooser c;
        c.open();
        QString caption;
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([&](QDialog &view) {
            caption = view.windowTitle();
            view.show();
            test::saveScreenshot(&view, QStringLiteral("blow_it_up"));
        });
        const generate::BestFitSlot &best = c.context.slots->slots[0];
        QStringList included;
        for (int i = 0; i < best.wordsPlaced; ++i)
            included << toQString(best.record.words[i].view());
        included.sort();
        QCOMPARE(c.items("IncludedWords"), included);
        QCOMPARE(c.items("ExcludedWords").last(), QStringLiteral("XYZZY"));
        QCOMPARE(c.label("IncludedLabel"), QString::number(best.wordsPlaced) + " Included Words");
        const int left = 6 - best.wordsPlaced;
        QCOMPARE(c.label("ExcludedLabel"),
            QString::number(left) + (left == 1 ? " Excluded Word" : " Excluded Words"));
        test::saveScreenshot(c.window.get(), QStringLiteral("created_puzzle"));
        QTest::mouseDClick(c.child("PuzzImage2"), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Second Best Fit"));
    }

    // Empty slots are neither captioned nor selectable nor enlarged; a click on a full one moves
    // the red frame there.
    void emptySlotsStayInert()
    {
        Chooser c;
        c.context.slots->slots[2].wordsPlaced = 0;
        c.context.slots->slots[3].wordsPlaced = 0;
        c.open();
        int enlarged = 0;
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([&](QDialog &) { ++enlarged; });
        QVERIFY(c.child("BFLabel2")->isVisible());
        QVERIFY(!c.child("BFLabel3")->isVisible());
        QVERIFY(!c.child("BFLabel4")->isVisible());
        QTest::mouseClick(c.child("PuzzImage3"), Qt::LeftButton);
        QCOMPARE(c.window->selectedSlot(), 1);
        QTest::mouseDClick(c.child("PuzzImage4"), Qt::LeftButton);
        QCOMPARE(enlarged, 0);

        QTest::mouseClick(c.child("PuzzImage2"), Qt::LeftButton);
        QCOMPARE(c.window->selectedSlot(), 2);
        QCOMPARE(c.child("BFLabel2")->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(c.child("BFLabel1")->palette().color(QPalette::Window), shapes::buttonFaceColour());
    }

    // Answering No writes nothing, and the lists still show every word entered afterwards; Yes
    // then appends exactly one record, the slot stamped, and the main window is told to reselect it.
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
        QVERIFY(c.window->isVisible());
        QVERIFY(!c.window->saved());
        QTest::mouseClick(c.child("PuzzImage2"), Qt::LeftButton);
        QCOMPARE(c.items("IncludedWords").size() + c.items("ExcludedWords").size(), 6);

        c.dialogs.answer(app::Answer::Yes);
        test::clickButton(*c.window, "Save");
        QCOMPARE(test::fileBytes(c.path()), existing + c.stamped(1));
        QCOMPARE(reselected, std::string("Games/Quiz"));
        QVERIFY(c.window->saved());
        QVERIFY(!c.window->isVisible());
    }

    // A modified puzzle's record is overwritten in place; its neighbours stay as they were.
    void saveOverwritesAModifiedPuzzle()
    {
        const QByteArray first(RecordSize, 'a'), second(RecordSize, 'b'), third(RecordSize, 'c');
        Chooser c(first + second + third);
        c.context.workingIsNew = false;
        c.context.workingRecordNumber = 1;
        c.context.workingLoaded = fingerprintOf(second.constData(), RecordSize);
        c.open();
        test::clickButton(*c.window, "Save");
        QCOMPARE(test::fileBytes(c.path()), first + c.stamped(0) + third);
        QVERIFY(c.window->saved());
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
        QVERIFY(!c.window->isVisible());
        QVERIFY(!reloaded);
    }
};

QTEST_MAIN(TCreatedPuzzleTest)
#include "tst_TCreatedPuzzle.moc"
