// The small dialogs of the page layouts: the designer's object dialogs, which work on a copy of
// one object, and the headings, bonus question and partial answer dialogs.
#include "layout/DefaultLayout.h"
#include "layout/ui/TBonusQuestion.h"
#include "layout/ui/TClueChange.h"
#include "layout/ui/TClueHeaders.h"
#include "layout/ui/TNumberClueFont.h"
#include "layout/ui/TObjectBorders.h"
#include "layout/ui/TObjectFill.h"
#include "layout/ui/TObjectProp.h"
#include "layout/ui/TObjectProp2.h"
#include "layout/ui/TPartialAnswerList.h"
#include "layout/ui/TSizeLocation.h"
#include "layout/ui/TTextInput.h"
#include "ui/ChoiceDialogs.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <array>
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
    return window.findChild<QLineEdit *>(QString::fromLatin1(name));
}

QPushButton *button(QWidget &window, const char *name)
{
    return window.findChild<QPushButton *>(QString::fromLatin1(name));
}

void retype(QWidget &window, const char *name, const QString &text)
{
    QLineEdit *edit = box(window, name);
    edit->selectAll();
    edit->del();
    // Key events carry Latin-1 only; other characters arrive as an input method would put them.
    bool latin1 = true;
    for (const QChar c : text)
        latin1 = latin1 && c.unicode() < 0x80;
    if (latin1)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

// A click on the check box's indicator, where the user clicks it.
void toggle(QWidget &window, const char *name)
{
    auto *check = window.findChild<QCheckBox *>(QString::fromLatin1(name));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
}

void showActive(QWidget &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
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

// Answers the colour and font dialogs with the choice set, once, while it lives, and keeps the
// presets they were opened on; a dialog with no choice set is cancelled.
struct ScriptedChoices
{
    ScriptedChoices()
    {
        app::setColourDialogSeam([this](QWidget *, const QColor &preset) {
            colourPreset = preset;
            return std::exchange(colour, std::nullopt);
        });
        app::setFontDialogSeam([this](QWidget *, const app::FontChoice &preset, const QString &) {
            fontPreset = preset;
            return std::exchange(font, std::nullopt);
        });
    }
    ~ScriptedChoices()
    {
        app::setColourDialogSeam({});
        app::setFontDialogSeam({});
    }

    std::optional<QColor> colour;
    std::optional<app::FontChoice> font;
    QColor colourPreset;
    app::FontChoice fontPreset;
};

// A title on a Letter page at 48 pixels per inch.
layout::LayoutObject titleAt(int left, int top, int right, int bottom)
{
    layout::LayoutObject object = sampleObject(ObjectKind::Title, "Title");
    object.rect = { left, top, right, bottom };
    return object;
}

std::unique_ptr<layout::TSizeLocation> sizeLocation(
    app::AppContext &context, const layout::LayoutObject &object, int pixelsPerUnit = 48)
{
    return std::make_unique<layout::TSizeLocation>(context, object, pixelsPerUnit, true, 408, 528, nullptr);
}

std::unique_ptr<model::PuzzleRecord> threeWords()
{
    auto puzzle = std::make_unique<model::PuzzleRecord>();
    puzzle->wordCount = 3;
    puzzle->words[0].assign("PIGLET");
    puzzle->words[1].assign("CAF\xc9");
    puzzle->words[2].assign("LAMB");
    return puzzle;
}

} // namespace

class LayoutDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        const auto window = sizeLocation(workspace.context(), titleAt(48, 24, 144, 36));
        showActive(*window);
        retype(*window, boxName.toLatin1().constData(), typed);
        test::clickButton(*window, "OkButton");
        checkRefused(*window, dialogs, boxName.toLatin1().constData(), message);
        QCOMPARE(int(window->object().rect.left), 48);
    }

    // Size & Position shows the rectangle in the unit with three decimals, every digit of a far
    // position kept.  OK stores each value times p, rounded half to even, a left of 0 accepted;
    // right and bottom add the rounded size.  At 2 pixels a unit: 0.75 -> 1.5 -> 2,
    // 1.25 -> 2.5 -> 2, 1.75 -> 3.5 -> 4.
    void sizeLocationStoresRoundedPixels()
    {
        test::TestWorkspace workspace;
        const auto halves = sizeLocation(workspace.context(), titleAt(-4000, 0, 10, 10), 2);
        halves->show();
        test::saveScreenshot(halves.get(), "TSizeLocation");
        QCOMPARE(box(*halves, "LeftBox")->text(), QString("-2000.000"));
        QCOMPARE(box(*halves, "WidthBox")->text(), QString("2005.000"));
        retype(*halves, "LeftBox", "0");
        retype(*halves, "TopBox", "0.75");
        retype(*halves, "WidthBox", "1.25");
        retype(*halves, "HeightBox", "1.75");
        test::clickButton(*halves, "OkButton");
        QVERIFY(halves->ok());
        const layout::PixelRect rect = halves->object().rect;
        QCOMPARE((std::array { int(rect.left), int(rect.top), int(rect.right), int(rect.bottom) }),
            (std::array { 0, 2, 2, 6 }));
    }

    // Off the page, Yes keeps the dialog open for correction and No accepts the rectangle.
    void sizeLocationOffThePageAsksFirst()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        const auto window = sizeLocation(workspace.context(), titleAt(48, 24, 144, 36));
        window->show();
        retype(*window, "LeftBox", "8.5");
        dialogs.answer(app::Answer::Yes);
        test::clickButton(*window, "OkButton");
        QCOMPARE(dialogs.lastMessage(),
            QString("Warning|The location you have specified will place the object off the page.  "
                    "Do you wish abort your changes?"));
        QVERIFY(!window->ok());
        QVERIFY(window->isVisible());
        dialogs.answer(app::Answer::No);
        test::clickButton(*window, "OkButton");
        QVERIFY(window->ok());
        QCOMPARE(int(window->object().rect.left), 408);
    }

    // Properties: a column count below one is refused.  Checking Split Columns makes the count
    // even (1 leaves 0, which OK refuses; 3 leaves 2); unchecking it leaves the box alone.  The
    // three flags and the column count land in the object.
    void objectPropColumnsAndFlags()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        layout::LayoutObject object = sampleObject(ObjectKind::CombinedClues, "Clues");
        object.transparent = 1;
        object.makeItFit = 1;
        layout::TObjectProp window(workspace.context(), object, nullptr);
        showActive(window);
        test::saveScreenshot(&window, "TObjectProp");
        retype(window, "ColumnsBox", "a");
        test::clickButton(window, "OkButton");
        checkRefused(window, dialogs, "ColumnsBox", "Invalid columns entered.");
        retype(window, "ColumnsBox", "1");
        toggle(window, "SplitColumnsCheck");
        QCOMPARE(box(window, "ColumnsBox")->text(), QString("0"));
        dialogs.clear();
        test::clickButton(window, "OkButton");
        checkRefused(window, dialogs, "ColumnsBox", "Invalid columns entered.");
        toggle(window, "SplitColumnsCheck");
        QCOMPARE(box(window, "ColumnsBox")->text(), QString("0"));

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
    // cancelled dialog changes nothing and OK stores the chosen ones.  A skeleton puzzle has no
    // fill: its colour button is disabled while the box is checked.  A line width below one is
    // refused.
    void puzzlePropertiesColoursAndLineWidth()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        ScriptedChoices choices;
        layout::LayoutObject puzzle = sampleObject(ObjectKind::Puzzle, "Puzzle");
        puzzle.blockColour = 0xFFFFFF;
        puzzle.lineColour = 0x0000FF; // red
        puzzle.transparent = 1;
        layout::TObjectProp2 window(workspace.context(), puzzle, nullptr);
        QVERIFY(!button(window, "FillColourButton")->isEnabled());
        showActive(window);
        test::saveScreenshot(&window, "TObjectProp2");
        toggle(window, "SkeletonCheck");
        QVERIFY(button(window, "FillColourButton")->isEnabled());
        choices.colour = QColor(0, 0, 255);
        test::clickButton(window, "LineColourButton");
        QCOMPARE(choices.colourPreset, QColor(255, 0, 0));
        test::clickButton(window, "BlockColourButton");
        choices.colour = QColor(0x12, 0x34, 0x56);
        test::clickButton(window, "FillColourButton");

        checkWidthBelowOneRefused(window, dialogs, "LineWidthBox", "3");
        QCOMPARE(int(window.object().transparent), 0);
        QCOMPARE(int(window.object().lineWidth), 3);
        QCOMPARE(quint32(window.object().lineColour), quint32(0xFF0000));
        QCOMPARE(quint32(window.object().blockColour), quint32(0xFFFFFF));
        QCOMPARE(quint32(window.object().fillColour), quint32(0x563412));
    }

    // Borders: Use Border enables the width and the colour, which OK stores; a width below one
    // is refused while the border is on, and neither checked nor stored while it is off.  Fill
    // In Shape enables the fill colour in the same way.
    void bordersAndFillEnableTheirColours()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        ScriptedChoices choices;
        layout::LayoutObject rectangle = sampleObject(ObjectKind::Rectangle, "Rectangle 1");
        rectangle.useBorder = 0;
        rectangle.borderWidth = 2;
        rectangle.borderColour = 0;
        layout::TObjectBorders window(workspace.context(), rectangle, nullptr);
        showActive(window);
        test::saveScreenshot(&window, "TObjectBorders");
        QVERIFY(!box(window, "WidthBox")->isEnabled());
        QVERIFY(!button(window, "BorderColourButton")->isEnabled());
        toggle(window, "UseBorderCheck");
        choices.colour = QColor(0, 128, 0);
        test::clickButton(window, "BorderColourButton");
        checkWidthBelowOneRefused(window, dialogs, "WidthBox", "5");
        QCOMPARE(int(window.object().useBorder), 1);
        QCOMPARE(int(window.object().borderWidth), 5);
        QCOMPARE(quint32(window.object().borderColour), quint32(0x008000));

        dialogs.clear();
        layout::TObjectBorders off(workspace.context(), rectangle, nullptr);
        box(off, "WidthBox")->setText("0");
        test::clickButton(off, "OkButton");
        QVERIFY(dialogs.messages().empty());
        QVERIFY(off.ok());
        QCOMPARE(int(off.object().borderWidth), 2);

        rectangle.fillInShape = 0;
        layout::TObjectFill fill(workspace.context(), rectangle, nullptr);
        fill.show();
        test::saveScreenshot(&fill, "TObjectFill");
        QVERIFY(!button(fill, "FillColourButton")->isEnabled());
        toggle(fill, "FillInShapeCheck");
        choices.colour = QColor(255, 255, 0);
        test::clickButton(fill, "FillColourButton");
        test::clickButton(fill, "OkButton");
        QCOMPARE(int(fill.object().fillInShape), 1);
        QCOMPARE(quint32(fill.object().fillColour), quint32(0x00FFFF));
    }

    // The radio buttons start on the object's orientation.  The font dialog opens on the number
    // font and its colour; face (cut to 30), size, colour and styles are stored.
    void numberFontStoresOrientationAndChosenFont()
    {
        test::TestWorkspace workspace;
        ScriptedChoices choices;
        layout::LayoutObject puzzle = sampleObject(ObjectKind::Puzzle, "Puzzle");
        puzzle.numberFont.colour = 0x0000FF;
        puzzle.numberHorizontal = 0;
        layout::TNumberClueFont window(workspace.context(), puzzle, nullptr);
        QVERIFY(window.findChild<QRadioButton *>("VerticalRadio")->isChecked());
        window.show();
        test::saveScreenshot(&window, "TNumberClueFont");
        QFont chosen(QString(40, 'F'));
        chosen.setPointSize(7);
        chosen.setStrikeOut(true);
        choices.font = app::FontChoice { chosen, QColor(0x12, 0x34, 0x56) };
        test::clickButton(window, "FontButton");
        QCOMPARE(choices.fontPreset.colour, QColor(255, 0, 0));
        test::clickButton(window, "HorizontalRadio");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().numberHorizontal), 1);
        const layout::LayoutFont font = window.object().numberFont;
        QCOMPARE(font.face.view(), std::string_view(std::string(30, 'F')));
        QCOMPARE(int(font.size), 7);
        QCOMPARE(int(font.style.strikeout), 1);
        QCOMPARE(quint32(font.colour), quint32(0x563412));
    }

    // Stored line breaks are CR LF; the box shows them as lines and OK writes them back.  A paste
    // past the capacity is cut in the box, and line breaks counted twice are cut on OK, so the
    // stored text always ends in its zero within the field.
    void textInputStoresCrLfAndHoldsAtMostAThousandCharacters()
    {
        test::TestWorkspace workspace;
        layout::LayoutObject object = sampleObject(ObjectKind::Text, "Text 1");
        object.setText("Name:\r\nDate:");
        layout::TTextInput window(workspace.context(), object, nullptr);
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

    // The headings and the bonus question are stored as typed texts are, trimmed, in
    // Windows-1252 and cut to what the record holds; Cancel keeps them.
    void headingsAndQuestionStoreWhatTheRecordHolds()
    {
        test::TestWorkspace workspace;
        const QString typed = QString::fromUtf8("  %1 \u00e0\u0416  ").arg(QString(200, 'x'));
        layout::LayoutObject down = sampleObject(ObjectKind::DownHeader, "X");
        down.setText("Down");
        layout::TClueChange header(workspace.context(), down, nullptr);
        QCOMPARE(header.windowTitle(), QString("Down Header"));
        header.show();
        test::saveScreenshot(&header, "TClueChange");
        box(header, "HeaderBox")->setMaxLength(400);
        retype(header, "HeaderBox", QString::fromUtf8("  Verticale \u00e0\u0416  "));
        test::clickButton(header, "OkButton");
        QCOMPARE(header.object().textView(), std::string_view("Verticale \xe0?"));
        box(header, "HeaderBox")->setText(typed);
        test::clickButton(header, "OkButton");
        QCOMPARE(header.object().textView(), std::string_view(std::string(25, 'x')));

        std::string across = "Across";
        std::string downHeading = "Down";
        layout::TClueHeaders headers(
            workspace.context(), across, downHeading, "Default Clue Headers", nullptr);
        test::saveScreenshot(&headers, "TClueHeaders");
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
        layout::TBonusQuestion bonus(workspace.context(), question, nullptr);
        test::saveScreenshot(&bonus, "TBonusQuestion");
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
        test::TestWorkspace workspace;
        const auto puzzle = threeWords();
        layout::TPartialAnswerList::Flags flags {};
        flags[1] = 1;
        flags[150] = 1; // beyond the words: cleared too
        layout::TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *words = window.findChild<QListWidget *>("WordList");
        QCOMPARE(words->item(1)->text(), QString::fromUtf8("CAF\u00c9"));
        QVERIFY(!words->item(0)->isSelected() && words->item(1)->isSelected());
        for (int row : { 0, 1, 2 })
            QTest::mouseClick(
                words->viewport(), Qt::LeftButton, {}, words->visualItemRect(words->item(row)).center());
        test::saveScreenshot(&window, "TPartialAnswerList");
        layout::TPartialAnswerList cancelled(workspace.context(), *puzzle, flags, nullptr);
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
        test::TestWorkspace workspace;
        auto puzzle = threeWords();
        puzzle->wordCount = 30000;
        layout::TPartialAnswerList::Flags flags {};
        layout::TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
        QCOMPARE(window.findChild<QListWidget *>("WordList")->count(), model::MaxWords);
        puzzle->wordCount = -4;
        layout::TPartialAnswerList none(workspace.context(), *puzzle, flags, nullptr);
        QCOMPARE(none.findChild<QListWidget *>("WordList")->count(), 0);
    }
};

QTEST_MAIN(LayoutDialogsTest)
#include "tst_LayoutDialogs.moc"
