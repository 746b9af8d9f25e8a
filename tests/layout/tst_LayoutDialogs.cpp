// The small dialogs of the page layouts: the designer's object dialogs, which work on a copy of
// one object, and the headings, bonus question and partial answer dialogs.
#include "layout/DefaultLayout.h"
#include "layout/LibraryWindowTesting.h"
#include "layout/ui/TBonusQuestion.h"
#include "layout/ui/TClueChange.h"
#include "layout/ui/TClueHeaders.h"
#include "layout/ui/TObjectBorders.h"
#include "layout/ui/TObjectFill.h"
#include "layout/ui/TObjectProp.h"
#include "layout/ui/TObjectProp2.h"
#include "layout/ui/TPartialAnswerList.h"
#include "layout/ui/TSizeLocation.h"
#include "layout/ui/TTextInput.h"
#include "ui/ChoiceDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>
#include <optional>
#include <utility>

using namespace gw;
using layout::ObjectKind;

namespace {

// An object of the kind as the built-in layout fills its fields, under the given name.
layout::LayoutObject sampleObject(ObjectKind kind, const char *name)
{
    layout::LayoutObject object = layout::defaultLayout().objects[0];
    object.kind = static_cast<std::int16_t>(kind);
    object.name.assign(name);
    return object;
}

QLineEdit *box(QWidget &window, const char *name)
{
    return test::child<QLineEdit>(window, name);
}

void retype(QWidget &window, const char *name, const QString &text)
{
    QLineEdit *edit = box(window, name);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

// A click on the check box's indicator, where the user clicks it.
void toggle(QWidget &window, const char *name)
{
    auto *check = test::child<QCheckBox>(window, name);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
}

// OK refused the box's entry: the message under "Error", the focus back on the box, the dialog
// open and not accepted.
void checkRefused(layout::ObjectDialog &window, const test::ScriptedDialogs &dialogs, const char *boxName,
    const QString &message)
{
    QCOMPARE(dialogs.lastMessage(), "Error|" + message);
    QCOMPARE(window.focusWidget(), box(window, boxName));
    QVERIFY(window.isVisible());
    QVERIFY(!window.ok());
}

// OK refuses a width of 0 with its message, then accepts the width given.
void checkWidthBelowOneRefused(layout::ObjectDialog &window, const test::ScriptedDialogs &dialogs,
    const char *boxName, const char *width)
{
    retype(window, boxName, "0");
    test::clickButton(window, "OkButton");
    checkRefused(window, dialogs, boxName, "Invalid width entered.");
    retype(window, boxName, width);
    test::clickButton(window, "OkButton");
    QVERIFY(window.ok());
}

// Answers the colour dialog with the colour set, once, while it lives, and keeps the colour it
// was opened on; a dialog with no colour set is cancelled.
struct ScriptedColours
{
    ScriptedColours()
    {
        app::setColourDialogSeam([this](QWidget *, const QColor &opened) {
            preset = opened;
            return std::exchange(colour, std::nullopt);
        });
    }
    ~ScriptedColours() { app::setColourDialogSeam({}); }

    std::optional<QColor> colour;
    QColor preset;
};

std::unique_ptr<layout::TSizeLocation> sizeLocation(app::AppContext &context)
{
    layout::LayoutObject title = sampleObject(ObjectKind::Title, "Title");
    title.rect = { 48, 24, 144, 36 };
    return std::make_unique<layout::TSizeLocation>(context, title, 48, true, 408, 528, nullptr);
}

std::unique_ptr<model::PuzzleRecord> threeWords()
{
    auto puzzle = std::make_unique<model::PuzzleRecord>();
    puzzle->wordCount = 3;
    puzzle->words[0].assign("PIGLET");
    puzzle->words[1].assign("CALF");
    puzzle->words[2].assign("LAMB");
    return puzzle;
}

} // namespace

class LayoutDialogsTest : public QObject, test::WindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { stop(); }

    void sizeLocationRefusesEachBoxWithItsMessage_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const char *box, const char *typed, const char *message) {
            QTest::newRow(tag) << QString(box) << QString(typed) << QString(message);
        };
        row("negative left", "LeftBox", "-1", "Invalid left position entered.");
        row("empty top", "TopBox", "", "Invalid top position entered.");
        row("zero width", "WidthBox", "0", "Invalid width entered.");
        row("letter height", "HeightBox", "1x", "Invalid height entered.");
    }
    void sizeLocationRefusesEachBoxWithItsMessage()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const auto window = sizeLocation(context());
        test::showActive(*window);
        retype(*window, boxName.toLatin1().constData(), typed);
        test::clickButton(*window, "OkButton");
        checkRefused(*window, *dialogs, boxName.toLatin1().constData(), message);
        QCOMPARE(int(window->object().rect.left), 48);
    }

    // Off the page, Yes keeps the dialog open for correction and No accepts the rectangle.
    void sizeLocationOffThePageAsksFirst()
    {
        const auto window = sizeLocation(context());
        window->show();
        test::saveScreenshot(window.get(), "TSizeLocation");
        retype(*window, "LeftBox", "8.5");
        dialogs->answer(app::Answer::Yes);
        test::clickButton(*window, "OkButton");
        QCOMPARE(dialogs->lastMessage(),
            QString("Warning|The location you have specified will place the object off the page.  "
                    "Do you wish abort your changes?"));
        QVERIFY(!window->ok());
        QVERIFY(window->isVisible());
        dialogs->answer(app::Answer::No);
        test::clickButton(*window, "OkButton");
        QVERIFY(window->ok());
        QCOMPARE(int(window->object().rect.left), 408);
    }

    // Properties: a column count below one is refused.  Checking Split Columns makes the count
    // even (3 leaves 2).  The three flags and the column count land in the object.
    void objectPropColumnsAndFlags()
    {
        layout::LayoutObject object = sampleObject(ObjectKind::CombinedClues, "Clues");
        object.transparent = 1;
        object.makeItFit = 1;
        layout::TObjectProp window(context(), object, nullptr);
        test::showActive(window);
        test::saveScreenshot(&window, "TObjectProp");
        retype(window, "ColumnsBox", "a");
        test::clickButton(window, "OkButton");
        checkRefused(window, *dialogs, "ColumnsBox", "Invalid columns entered.");

        retype(window, "ColumnsBox", "3");
        toggle(window, "TransparentCheck");
        toggle(window, "MakeItFitCheck");
        toggle(window, "SplitColumnsCheck");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().transparent), 0);
        QCOMPARE(int(window.object().makeItFit), 0);
        QCOMPARE(int(window.object().splitColumns), 1);
        QCOMPARE(int(window.object().columns), 2);
    }

    // The puzzle's properties: each colour button opens the colour dialog on its colour, a
    // cancelled dialog changes nothing and OK stores the chosen ones.  A line width below one is
    // refused.
    void puzzlePropertiesColoursAndLineWidth()
    {
        ScriptedColours choices;
        layout::LayoutObject puzzle = sampleObject(ObjectKind::Puzzle, "Puzzle");
        puzzle.blockColour = 0xFFFFFF;
        puzzle.lineColour = 0x0000FF; // red
        puzzle.transparent = 1;
        layout::TObjectProp2 window(context(), puzzle, nullptr);
        test::showActive(window);
        test::saveScreenshot(&window, "TObjectProp2");
        toggle(window, "SkeletonCheck");
        choices.colour = QColor(0, 0, 255);
        test::clickButton(window, "LineColourButton");
        QCOMPARE(choices.preset, QColor(255, 0, 0));
        test::clickButton(window, "BlockColourButton");
        choices.colour = QColor(0x12, 0x34, 0x56);
        test::clickButton(window, "FillColourButton");

        checkWidthBelowOneRefused(window, *dialogs, "LineWidthBox", "3");
        QCOMPARE(int(window.object().transparent), 0);
        QCOMPARE(int(window.object().lineWidth), 3);
        QCOMPARE(quint32(window.object().lineColour), quint32(0xFF0000));
        QCOMPARE(quint32(window.object().blockColour), quint32(0xFFFFFF));
        QCOMPARE(quint32(window.object().fillColour), quint32(0x563412));
    }

    // Borders: the width and colour are stored with Use Border; a width below one is refused
    // while the border is on, and neither checked nor stored while it is off.  Fill In Shape
    // stores its colour in the same way.
    void bordersAndFillStoreTheirColours()
    {
        ScriptedColours choices;
        layout::LayoutObject rectangle = sampleObject(ObjectKind::Rectangle, "Rectangle 1");
        rectangle.useBorder = 0;
        rectangle.borderWidth = 2;
        rectangle.borderColour = 0;
        layout::TObjectBorders window(context(), rectangle, nullptr);
        test::showActive(window);
        test::saveScreenshot(&window, "TObjectBorders");
        toggle(window, "UseBorderCheck");
        choices.colour = QColor(0, 128, 0);
        test::clickButton(window, "BorderColourButton");
        checkWidthBelowOneRefused(window, *dialogs, "WidthBox", "5");
        QCOMPARE(int(window.object().useBorder), 1);
        QCOMPARE(int(window.object().borderWidth), 5);
        QCOMPARE(quint32(window.object().borderColour), quint32(0x008000));

        dialogs->clear();
        layout::TObjectBorders off(context(), rectangle, nullptr);
        box(off, "WidthBox")->setText("0");
        test::clickButton(off, "OkButton");
        QVERIFY(dialogs->messages().empty());
        QVERIFY(off.ok());
        QCOMPARE(int(off.object().borderWidth), 2);

        rectangle.fillInShape = 0;
        layout::TObjectFill fill(context(), rectangle, nullptr);
        fill.show();
        toggle(fill, "FillInShapeCheck");
        choices.colour = QColor(255, 255, 0);
        test::clickButton(fill, "FillColourButton");
        test::clickButton(fill, "OkButton");
        QCOMPARE(int(fill.object().fillInShape), 1);
        QCOMPARE(quint32(fill.object().fillColour), quint32(0x00FFFF));
    }

    // Stored line breaks are CR LF; the box shows them as lines and OK writes them back.  A paste
    // past the capacity is cut in the box, and line breaks counted twice are cut on OK, so the
    // stored text always ends in its zero within the field.
    void textInputStoresCrLfAndHoldsAtMostAThousandCharacters()
    {
        layout::LayoutObject object = sampleObject(ObjectKind::Text, "Text 1");
        object.setText("Name:\r\nDate:");
        layout::TTextInput window(context(), object, nullptr);
        auto *text = window.findChild<QPlainTextEdit *>("TextBox");
        QCOMPARE(text->toPlainText(), QString("Name:\nDate:"));
        window.show();
        test::saveScreenshot(&window, "TTextInput");
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "Cours ");
        text->insertPlainText(QString::fromUtf8("\u00e9t\u00e9"));
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(window.object().textView(), std::string_view("Name:\r\nDate:\r\nCours \xe9t\xe9"));

        text->setPlainText(QString(1200, 'a'));
        QCOMPARE(text->toPlainText().size(), 1000);
        text->setPlainText(QString("a\n").repeated(500));
        test::clickButton(window, "OkButton");
        QCOMPARE(window.object().textView().size(), std::size_t(1000));
        QCOMPARE(window.object().text[1000], '\0');
    }

    // The headings and the bonus question are stored trimmed and cut to what the record holds;
    // Cancel keeps them.
    void headingsAndQuestionStoreWhatTheRecordHolds()
    {
        const QString typed = QString("  %1  ").arg(QString(200, 'x'));
        layout::TClueChange header(context(), sampleObject(ObjectKind::DownHeader, "X"), nullptr);
        box(header, "HeaderBox")->setMaxLength(400);
        box(header, "HeaderBox")->setText(typed);
        test::clickButton(header, "OkButton");
        QCOMPARE(header.object().textView(), std::string_view(std::string(25, 'x')));

        std::string across = "Across";
        std::string downHeading = "Down";
        layout::TClueHeaders headers(context(), across, downHeading, "Default Clue Headers", nullptr);
        for (const char *name : { "AcrossHeader", "DownHeader" }) {
            box(headers, name)->setMaxLength(400);
            box(headers, name)->setText(typed);
        }
        test::clickButton(headers, "CancelButton");
        QCOMPARE(across, std::string("Across"));
        test::clickButton(headers, "OkButton");
        QCOMPARE(across, std::string(25, 'x'));
        QCOMPARE(downHeading, std::string(25, 'x'));

        std::string question = "Old question";
        layout::TBonusQuestion bonus(context(), question, nullptr);
        box(bonus, "BonusQuestionEdit")->setMaxLength(400);
        box(bonus, "BonusQuestionEdit")->setText(typed);
        test::clickButton(bonus, "CancelButton");
        QCOMPARE(question, std::string("Old question"));
        test::clickButton(bonus, "OkButton");
        QCOMPARE(question, std::string(150, 'x'));
    }

    // One line per word entry, the flagged ones selected; clicks choose several lines.  OK writes
    // 1 for each selected line and 0 for every other entry; Cancel keeps the flags.
    void partialAnswersStoreOneFlagPerWord()
    {
        const auto puzzle = threeWords();
        layout::TPartialAnswerList::Flags flags {};
        flags[1] = 1;
        flags[150] = 1; // beyond the words: cleared too
        layout::TPartialAnswerList window(context(), *puzzle, flags, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *words = window.findChild<QListWidget *>("WordList");
        QVERIFY(!words->item(0)->isSelected() && words->item(1)->isSelected());
        for (int row : { 0, 1, 2 })
            test::clickRow(words, row);
        test::saveScreenshot(&window, "TPartialAnswerList");
        layout::TPartialAnswerList cancelled(context(), *puzzle, flags, nullptr);
        cancelled.findChild<QListWidget *>("WordList")->item(2)->setSelected(true);
        test::clickButton(cancelled, "CancelButton");
        QCOMPARE(int(flags[2]), 0);
        test::clickButton(window, "OkButton");
        layout::TPartialAnswerList::Flags expected {};
        expected[0] = 1;
        expected[2] = 1;
        QVERIFY(flags == expected);
    }

    // A record claiming more words than it holds lists 200 at most, and one claiming fewer than
    // none lists nothing.
    void untrustedWordCountIsHeld()
    {
        auto puzzle = threeWords();
        puzzle->wordCount = 30000;
        layout::TPartialAnswerList::Flags flags {};
        layout::TPartialAnswerList window(context(), *puzzle, flags, nullptr);
        QCOMPARE(window.findChild<QListWidget *>("WordList")->count(), model::MaxWords);
        puzzle->wordCount = -4;
        layout::TPartialAnswerList none(context(), *puzzle, flags, nullptr);
        QCOMPARE(none.findChild<QListWidget *>("WordList")->count(), 0);
    }
};

QTEST_MAIN(LayoutDialogsTest)
#include "tst_LayoutDialogs.moc"
