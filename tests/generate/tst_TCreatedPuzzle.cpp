#include "generate/Generator.h"
#include "generate/TBlowItUp.h"
#include "generate/TCreatedPuzzle.h"
#include "platform/QtText.h"
#include "shapes/QtShapePicture.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <cstring>
#include <string>
#include <vector>

using namespace gw;

namespace {

constexpr qint64 RecordSize = sizeof(model::PuzzleRecord);

// Slots of a known run: XYZZY shares no letter with the other words, so every candidate
// leaves it out.
void runGenerator(app::AppContext &context)
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
}

QStringList items(QWidget &window, const char *name)
{
    QStringList texts;
    const auto *list = window.findChild<QListWidget *>(QString::fromLatin1(name));
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString labelText(QWidget &window, const char *name)
{
    return window.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

QWidget *child(QWidget &window, const QString &name)
{
    return window.findChild<QWidget *>(name);
}

QByteArray recordBytes(const model::PuzzleRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), RecordSize);
}

// The slot's record as Save must write it.
model::PuzzleRecord stamped(const generate::BestFitSlot &slot)
{
    model::PuzzleRecord expected = slot.record;
    model::stampForSaving(expected, slot.placedFlags);
    return expected;
}

QString collectionPath(app::AppContext &context)
{
    return QString::fromStdString(context.settings.lastGroup);
}

void showAndAwaitSelection(generate::TCreatedPuzzle &chooser)
{
    chooser.show();
    QTRY_COMPARE(chooser.selectedSlot(), 1);
}

} // namespace

class TCreatedPuzzleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Slot 1 is chosen at once and its words are listed sorted, the phrase with its blank; a
    // double click opens the enlarged view on a slot, captioned with its rank.
    void listsTheWordsAndEnlargesASlot()
    {
        test::TestWorkspace workspace;
        runGenerator(workspace.context());
        generate::TCreatedPuzzle chooser(workspace.context());
        QString caption;
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([&](QDialog &view) {
            caption = view.windowTitle();
            view.show();
            const QImage picture = view.findChild<QLabel *>(QStringLiteral("PuzzImage1"))->pixmap().toImage();
            QCOMPARE(picture.size(), QSize(411, 411));
            QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
            test::saveScreenshot(&view, QStringLiteral("blow_it_up"));
            QTest::keyClick(&view, Qt::Key_Escape);
            QVERIFY(!view.isVisible());
        });
        showAndAwaitSelection(chooser);
        const generate::BestFitSlot &best = workspace.context().slots->slots[0];
        QStringList included;
        for (int i = 0; i < best.wordsPlaced; ++i)
            included << toQString(best.record.words[i].view());
        included.sort();
        QCOMPARE(items(chooser, "IncludedWords"), included);
        QVERIFY(items(chooser, "IncludedWords").contains(QStringLiteral("ICE CREAM"))
            || items(chooser, "ExcludedWords").contains(QStringLiteral("ICE CREAM")));
        QCOMPARE(items(chooser, "ExcludedWords").last(), QStringLiteral("XYZZY"));
        QCOMPARE(labelText(chooser, "IncludedLabel"), QString::number(best.wordsPlaced) + " Included Words");
        const int left = 6 - best.wordsPlaced;
        QCOMPARE(labelText(chooser, "ExcludedLabel"),
            QString::number(left) + (left == 1 ? " Excluded Word" : " Excluded Words"));
        test::saveScreenshot(&chooser, QStringLiteral("created_puzzle"));
        QTest::mouseDClick(child(chooser, "PuzzImage2"), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Second Best Fit"));
    }

    // Empty slots are neither captioned nor selectable nor enlarged.
    void emptySlotsStayInert()
    {
        test::TestWorkspace workspace;
        runGenerator(workspace.context());
        workspace.context().slots->slots[2].wordsPlaced = 0;
        workspace.context().slots->slots[3].wordsPlaced = 0;
        generate::TCreatedPuzzle chooser(workspace.context());
        int enlarged = 0;
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([&](QDialog &) { ++enlarged; });
        showAndAwaitSelection(chooser);
        QVERIFY(child(chooser, "BFLabel1")->isVisible());
        QVERIFY(child(chooser, "BFLabel2")->isVisible());
        QVERIFY(!child(chooser, "BFLabel3")->isVisible());
        QVERIFY(!child(chooser, "BFLabel4")->isVisible());
        QTest::mouseClick(child(chooser, "PuzzImage3"), Qt::LeftButton);
        QCOMPARE(chooser.selectedSlot(), 1);
        QTest::mouseDClick(child(chooser, "PuzzImage4"), Qt::LeftButton);
        QCOMPARE(enlarged, 0);
        const QImage empty = static_cast<QLabel *>(child(chooser, "PuzzImage4"))->pixmap().toImage();
        QCOMPARE(empty.pixelColor(95, 95), shapes::buttonFaceColour());

        QTest::mouseClick(child(chooser, "PuzzImage2"), Qt::LeftButton);
        QCOMPARE(chooser.selectedSlot(), 2);
        QCOMPARE(child(chooser, "BFLabel2")->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(child(chooser, "BFLabel1")->palette().color(QPalette::Window), shapes::buttonFaceColour());
        // The frame is drawn on the window, two pixels outside the picture.
        const QImage window = chooser.grab().toImage();
        QCOMPARE(window.pixelColor(214, 100), QColor(Qt::red));
        QCOMPARE(window.pixelColor(6, 100) == QColor(Qt::red), false);
    }

    // Answering No writes nothing, and the lists still show every word entered afterwards; Yes
    // then appends exactly one record, the slot stamped, and the main window is told to reselect it.
    void saveAnsweredNoWritesNothingAndYesAppendsTheStampedCandidate()
    {
        test::TestWorkspace workspace;
        app::AppContext &context = workspace.context();
        runGenerator(context);
        QByteArray existing(RecordSize, '\x11');
        QFile file(collectionPath(context));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
        file.close();
        std::string reselected;
        context.reselectAndReload = [&](const std::string &category, const std::string &title) {
            reselected = category + "/" + title;
        };
        test::ScriptedDialogs dialogs;
        dialogs.answer(app::Answer::No);
        generate::TCreatedPuzzle chooser(context);
        showAndAwaitSelection(chooser);
        QTest::mouseClick(child(chooser, "Save"), Qt::LeftButton);
        QCOMPARE(dialogs.messages().size(), size_t(1));
        QCOMPARE(dialogs.messages()[0].caption, QStringLiteral("Warning"));
        QCOMPARE(dialogs.messages()[0].text,
            QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
        QVERIFY(dialogs.messages()[0].buttons == app::Buttons::YesNo);
        QCOMPARE(test::fileBytes(collectionPath(context)), existing);
        QVERIFY(chooser.isVisible());
        QVERIFY(!chooser.saved());
        QCOMPARE(context.working->generated, 1);
        QTest::mouseClick(child(chooser, "PuzzImage2"), Qt::LeftButton);
        QCOMPARE(items(chooser, "IncludedWords").size() + items(chooser, "ExcludedWords").size(), 6);

        dialogs.answer(app::Answer::Yes);
        QTest::mouseClick(child(chooser, "Save"), Qt::LeftButton);
        const model::PuzzleRecord expected = stamped(context.slots->slots[1]);
        QCOMPARE(test::fileBytes(collectionPath(context)), existing + recordBytes(expected));
        QCOMPARE(expected.version.str(), std::string("3.0b"));
        QCOMPARE(expected.generated, 1);
        QCOMPARE(int(expected.placed[0]), 1);
        QCOMPARE(int(expected.placed[expected.wordCount]), 0);
        QCOMPARE(reselected, std::string("Games/Quiz"));
        QVERIFY(chooser.saved());
        QVERIFY(!chooser.isVisible());
    }

    // A modified puzzle's record is overwritten in place; its neighbours stay as they were.
    void saveOverwritesAModifiedPuzzle()
    {
        test::TestWorkspace workspace;
        app::AppContext &context = workspace.context();
        runGenerator(context);
        const QByteArray first(RecordSize, 'a');
        const QByteArray third(RecordSize, 'c');
        QFile file(collectionPath(context));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(first + QByteArray(RecordSize, 'b') + third);
        file.close();
        context.workingIsNew = false;
        context.workingRecordNumber = 1;
        context.workingLoaded = fingerprintOf(QByteArray(RecordSize, 'b').constData(), RecordSize);
        test::ScriptedDialogs dialogs;
        generate::TCreatedPuzzle chooser(context);
        showAndAwaitSelection(chooser);
        QTest::mouseClick(child(chooser, "Save"), Qt::LeftButton);
        QCOMPARE(test::fileBytes(collectionPath(context)),
            first + recordBytes(stamped(context.slots->slots[0])) + third);
        QVERIFY(chooser.saved());
    }

    // A collection that can be neither opened nor created is reported and the chooser closes.
    void unwritableCollectionIsReported()
    {
        test::TestWorkspace workspace;
        app::AppContext &context = workspace.context();
        runGenerator(context);
        context.settings.lastGroup = (context.startDirectory / "missing" / "TEST.ZP3").string();
        bool reloaded = false;
        context.reselectAndReload = [&](const std::string &, const std::string &) { reloaded = true; };
        test::ScriptedDialogs dialogs;
        generate::TCreatedPuzzle chooser(context);
        showAndAwaitSelection(chooser);
        QTest::mouseClick(child(chooser, "Save"), Qt::LeftButton);
        QCOMPARE(dialogs.lastMessage(), QStringLiteral("Error|Unable to save puzzle."));
        QVERIFY(!chooser.saved());
        QVERIFY(!chooser.isVisible());
        QVERIFY(!reloaded);
    }

    // At 1.6 every control keeps its place relative to the others.
    void scalesToTheScreenSize()
    {
        test::TestWorkspace workspace;
        runGenerator(workspace.context());
        workspace.context().scaleFactor = 1.6;
        generate::TCreatedPuzzle chooser(workspace.context());
        showAndAwaitSelection(chooser);
        QCOMPARE(child(chooser, "PuzzImage2")->geometry(), QRect(346, 26, 306, 306));
        test::saveScreenshot(&chooser, QStringLiteral("created_puzzle_1_6"));
        test::ScriptedChildren children;
        children.onChild = test::afterLooking([](QDialog &view) {
            view.show();
            QCOMPARE(
                view.findChild<QLabel *>(QStringLiteral("PuzzImage1"))->pixmap().size(), QSize(658, 658));
            test::saveScreenshot(&view, QStringLiteral("blow_it_up_1_6"));
        });
        QTest::mouseDClick(child(chooser, "PuzzImage1"), Qt::LeftButton);
    }
};

QTEST_MAIN(TCreatedPuzzleTest)
#include "tst_TCreatedPuzzle.moc"
