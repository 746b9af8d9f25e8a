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
    void showsTheRectangleInUnits();
    void refusesEachBoxWithItsMessage_data();
    void refusesEachBoxWithItsMessage();
    void storesRoundedPixels();
    void offThePageAsksFirst();
    void cancelKeepsTheObject();
    void screenshots();
};

// Caption with the object's name, the unit's label, and left, top, width, height / p.
void SizeLocationTest::showsTheRectangleInUnits()
{
    test::TestWorkspace workspace;
    layout::TSizeLocation inches(
        workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
    QCOMPARE(inches.windowTitle(), QString("Size & Location of Title"));
    QCOMPARE(test::box(inches, "LeftBox")->text(), QString("1.000"));
    QCOMPARE(test::box(inches, "TopBox")->text(), QString("0.500"));
    QCOMPARE(test::box(inches, "WidthBox")->text(), QString("2.000"));
    QCOMPARE(test::box(inches, "HeightBox")->text(), QString("0.250"));
    QCOMPARE(test::box(inches, "LeftBox")->maxLength(), 6);
    QCOMPARE(inches.findChild<QLabel *>("UnitLabel")->text(), QString("Values In Inches"));

    // An object dragged far off the page keeps every digit of its position.
    layout::TSizeLocation centimeters(
        workspace.context(), titleAt(-4000, 10, 20, 30), 20, false, 420, 594, nullptr);
    QCOMPARE(centimeters.findChild<QLabel *>("UnitLabel")->text(), QString("Values In Centimeters"));
    QCOMPARE(test::box(centimeters, "LeftBox")->text(), QString("-200.000"));
    QCOMPARE(test::box(centimeters, "WidthBox")->text(), QString("201.000"));
}

void SizeLocationTest::refusesEachBoxWithItsMessage_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("negative left") << "LeftBox"
                                   << "-1"
                                   << "Invalid left position entered.";
    QTest::newRow("letter left") << "LeftBox"
                                 << "a"
                                 << "Invalid left position entered.";
    QTest::newRow("empty top") << "TopBox"
                               << ""
                               << "Invalid top position entered.";
    QTest::newRow("zero width") << "WidthBox"
                                << "0"
                                << "Invalid width entered.";
    QTest::newRow("letter width") << "WidthBox"
                                  << "w"
                                  << "Invalid width entered.";
    QTest::newRow("negative height") << "HeightBox"
                                     << "-2"
                                     << "Invalid height entered.";
    QTest::newRow("letter height") << "HeightBox"
                                   << "1x"
                                   << "Invalid height entered.";
}

// The message under "Error", the focus on the failing box, the dialog open and nothing stored.
void SizeLocationTest::refusesEachBoxWithItsMessage()
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
    test::click(window, "OkButton");
    QCOMPARE(dialogs.lastMessage(), "Error|" + message);
    QCOMPARE(window.focusWidget(), test::box(window, boxName.toLatin1().constData()));
    QVERIFY(window.isVisible());
    QVERIFY(!window.ok());
    QCOMPARE(int(window.object().rect.left), 48);
}

// Each value times p, rounded half to even; right and bottom add the rounded size.
void SizeLocationTest::storesRoundedPixels()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    layout::TSizeLocation tiny(
        workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
    test::retype(tiny, "LeftBox", " 0 ");
    test::retype(tiny, "TopBox", "0");
    test::retype(tiny, "WidthBox", "0.001");
    test::retype(tiny, "HeightBox", "0.001");
    test::click(tiny, "OkButton");
    QVERIFY(tiny.ok());
    QCOMPARE(tiny.result(), int(QDialog::Accepted));
    QCOMPARE(int(tiny.object().rect.left), 0);
    QCOMPARE(int(tiny.object().rect.right), 0);
    QCOMPARE(int(tiny.object().rect.bottom), 0);
    QVERIFY(dialogs.messages().empty());

    // At 2 pixels a unit: 0.25 -> 0.5 -> 0, 0.75 -> 1.5 -> 2, 1.25 -> 2.5 -> 2.
    layout::TSizeLocation halves(
        workspace.context(), titleAt(0, 0, 10, 10), 2, true, PageWidth, PageHeight, nullptr);
    test::retype(halves, "LeftBox", "0.25");
    test::retype(halves, "TopBox", "0.75");
    test::retype(halves, "WidthBox", "1.25");
    test::retype(halves, "HeightBox", "1.75");
    test::click(halves, "OkButton");
    QVERIFY(halves.ok());
    const layout::PixelRect rect = halves.object().rect;
    QCOMPARE(int(rect.left), 0);
    QCOMPARE(int(rect.top), 2);
    QCOMPARE(int(rect.right), 2);
    QCOMPARE(int(rect.bottom), 6);
}

// Yes keeps the dialog open for correction; No accepts the rectangle off the page.
void SizeLocationTest::offThePageAsksFirst()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    layout::TSizeLocation window(
        workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
    window.show();
    test::retype(window, "LeftBox", "8.5");
    dialogs.answer(app::Answer::Yes);
    test::click(window, "OkButton");
    QCOMPARE(dialogs.lastMessage(),
        QString("Warning|The location you have specified will place the object off the page.  "
                "Do you wish abort your changes?"));
    QCOMPARE(dialogs.messages().back().buttons, app::Buttons::YesNo);
    QVERIFY(!window.ok());
    QVERIFY(window.isVisible());
    QCOMPARE(int(window.object().rect.left), 48);

    dialogs.answer(app::Answer::No);
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(int(window.object().rect.left), 408);
    QCOMPARE(int(window.object().rect.right), 504);

    // Just inside the page asks nothing.
    dialogs.clear();
    layout::TSizeLocation inside(
        workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
    test::retype(inside, "LeftBox", "8.47");
    test::retype(inside, "TopBox", "10.97");
    test::click(inside, "OkButton");
    QVERIFY(inside.ok());
    QVERIFY(dialogs.messages().empty());
}

void SizeLocationTest::cancelKeepsTheObject()
{
    test::TestWorkspace workspace;
    layout::TSizeLocation window(
        workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
    test::retype(window, "LeftBox", "2");
    test::click(window, "CancelButton");
    QVERIFY(!window.ok());
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

void SizeLocationTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        layout::TSizeLocation window(
            workspace.context(), titleAt(48, 24, 144, 36), 48, true, PageWidth, PageHeight, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TSizeLocation-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(SizeLocationTest)
#include "tst_TSizeLocation.moc"
