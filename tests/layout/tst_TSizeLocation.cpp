#include "layout/ObjectDialogTesting.h"
#include "layout/TSizeLocation.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QtTest>

using namespace gw;

namespace {

// A Letter page at 48 pixels per inch.
constexpr int PageWidth = 408;
constexpr int PageHeight = 528;

layout::LayoutObject titleAt(int left, int top, int right, int bottom)
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Title, "Title");
    object.rect = { left, top, right, bottom };
    return object;
}

} // namespace

class SizeLocationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Left, top, width and height in the unit named below them, three decimals.
    void showsTheRectangleInUnits()
    {
        test::TestWorkspace workspace;
        layout::TSizeLocation inches(
            workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
        inches.show();
        test::saveScreenshot(&inches, "TSizeLocation");
        QCOMPARE(test::box(inches, "LeftBox")->text(), QString("1.000"));
        QCOMPARE(test::box(inches, "TopBox")->text(), QString("0.500"));
        QCOMPARE(test::box(inches, "WidthBox")->text(), QString("2.000"));
        QCOMPARE(test::box(inches, "HeightBox")->text(), QString("0.250"));
        QCOMPARE(inches.findChild<QLabel *>("UnitLabel")->text(), QString("Values In Inches"));

        // An object dragged far off the page keeps every digit of its position.
        layout::TSizeLocation centimeters(
            workspace.context(), titleAt(-4000, 10, 20, 30), 20, false, 420, 594, nullptr);
        QCOMPARE(centimeters.findChild<QLabel *>("UnitLabel")->text(), QString("Values In Centimeters"));
        QCOMPARE(test::box(centimeters, "LeftBox")->text(), QString("-200.000"));
        QCOMPARE(test::box(centimeters, "WidthBox")->text(), QString("201.000"));
    }

    void refusesEachBoxWithItsMessage_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const char *box, const char *typed, const char *message) {
            QTest::newRow(tag) << QString(box) << QString(typed) << QString(message);
        };
        row("negative left", "LeftBox", "-1", "Invalid left position entered.");
        row("letter left", "LeftBox", "a", "Invalid left position entered.");
        row("empty top", "TopBox", "", "Invalid top position entered.");
        row("zero width", "WidthBox", "0", "Invalid width entered.");
        row("letter width", "WidthBox", "w", "Invalid width entered.");
        row("negative height", "HeightBox", "-2", "Invalid height entered.");
        row("letter height", "HeightBox", "1x", "Invalid height entered.");
    }

    // The message under "Error", the focus on the failing box, the dialog open and nothing stored.
    void refusesEachBoxWithItsMessage()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        layout::TSizeLocation window(
            workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::retype(window, boxName.toLatin1().constData(), typed);
        test::clickButton(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), "Error|" + message);
        QCOMPARE(window.focusWidget(), test::box(window, boxName.toLatin1().constData()));
        QVERIFY(window.isVisible());
        QVERIFY(!window.ok());
        QCOMPARE(int(window.object().rect.left), 48);
    }

    // Each value times p, rounded half to even, a left and top of 0 accepted; right and bottom add
    // the rounded size.  At 2 pixels a unit: 0.75 -> 1.5 -> 2, 1.25 -> 2.5 -> 2, 1.75 -> 3.5 -> 4.
    void storesRoundedPixels()
    {
        test::TestWorkspace workspace;
        layout::TSizeLocation halves(
            workspace.context(), titleAt(0, 0, 10, 10), 2, true, PageWidth, PageHeight, nullptr);
        test::retype(halves, "LeftBox", "0");
        test::retype(halves, "TopBox", "0.75");
        test::retype(halves, "WidthBox", "1.25");
        test::retype(halves, "HeightBox", "1.75");
        test::clickButton(halves, "OkButton");
        QVERIFY(halves.ok());
        const layout::PixelRect rect = halves.object().rect;
        QCOMPARE(int(rect.left), 0);
        QCOMPARE(int(rect.top), 2);
        QCOMPARE(int(rect.right), 2);
        QCOMPARE(int(rect.bottom), 6);

        layout::TSizeLocation topZero(
            workspace.context(), titleAt(0, 0, 10, 10), 2, true, PageWidth, PageHeight, nullptr);
        test::retype(topZero, "TopBox", "0");
        test::clickButton(topZero, "OkButton");
        QVERIFY(topZero.ok());
    }

    // Yes keeps the dialog open for correction; No accepts the rectangle off the page; just inside
    // the page asks nothing.
    void offThePageAsksFirst()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        layout::TSizeLocation window(
            workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
        window.show();
        test::retype(window, "LeftBox", "8.5");
        dialogs.answer(app::Answer::Yes);
        test::clickButton(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(),
            QString("Warning|The location you have specified will place the object off the page.  "
                    "Do you wish abort your changes?"));
        QCOMPARE(dialogs.messages().back().buttons, app::Buttons::YesNo);
        QVERIFY(!window.ok());
        QVERIFY(window.isVisible());
        QCOMPARE(int(window.object().rect.left), 48);

        dialogs.answer(app::Answer::No);
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().rect.left), 408);
        QCOMPARE(int(window.object().rect.right), 504);

        dialogs.clear();
        layout::TSizeLocation inside(
            workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
        test::retype(inside, "LeftBox", "8.47");
        test::retype(inside, "TopBox", "10.97");
        test::clickButton(inside, "OkButton");
        QVERIFY(inside.ok());
        QVERIFY(dialogs.messages().empty());
    }
};

QTEST_MAIN(SizeLocationTest)
#include "tst_TSizeLocation.moc"
