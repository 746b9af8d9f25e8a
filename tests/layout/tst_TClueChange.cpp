#include "layout/ObjectDialogTesting.h"
#include "layout/TClueChange.h"
#include "uisupport/UiTestSupport.h"

#include <QtTest>

using namespace gw;
using layout::ObjectKind;

class ClueChangeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionFollowsTheKind();
    void okStoresTheTrimmedHeading();
    void screenshots();
};

void ClueChangeTest::captionFollowsTheKind()
{
    test::TestWorkspace workspace;
    layout::LayoutObject across = test::sampleObject(ObjectKind::AcrossHeader, "Across Header");
    across.setText("Across");
    layout::TClueChange acrossWindow(workspace.context(), across, nullptr);
    QCOMPARE(acrossWindow.windowTitle(), QString("Across Header"));
    QCOMPARE(test::box(acrossWindow, "HeaderBox")->text(), QString("Across"));
    QCOMPARE(test::box(acrossWindow, "HeaderBox")->maxLength(), 25);
    layout::TClueChange downWindow(
        workspace.context(), test::sampleObject(ObjectKind::DownHeader, "X"), nullptr);
    QCOMPARE(downWindow.windowTitle(), QString("Down Header"));
}

// The text is stored zero-terminated, Windows-1252, trimmed and at most 25 characters.
void ClueChangeTest::okStoresTheTrimmedHeading()
{
    test::TestWorkspace workspace;
    layout::LayoutObject down = test::sampleObject(ObjectKind::DownHeader, "Down Header");
    down.setText(std::string(200, 'z'));
    layout::TClueChange window(workspace.context(), down, nullptr);
    test::retype(window, "HeaderBox", QString::fromUtf8("  Verticale \u00e0  "));
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(window.object().textView(), std::string_view("Verticale \xe0"));
    QCOMPARE(window.object().text[11], '\0');

    test::box(window, "HeaderBox")->setMaxLength(100);
    test::box(window, "HeaderBox")->setText(QString(40, 'x'));
    test::click(window, "OkButton");
    QCOMPARE(window.object().textView().size(), std::size_t(25));

    layout::TClueChange cancelled(workspace.context(), down, nullptr);
    test::retype(cancelled, "HeaderBox", "Other");
    test::click(cancelled, "CancelButton");
    QVERIFY(!cancelled.ok());
    QCOMPARE(cancelled.object().textView().size(), std::size_t(200));
}

void ClueChangeTest::screenshots()
{
    test::TestWorkspace workspace;
    layout::LayoutObject across = test::sampleObject(ObjectKind::AcrossHeader, "Across Header");
    across.setText("Across");
    layout::TClueChange window(workspace.context(), across, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TClueChange");
}

QTEST_MAIN(ClueChangeTest)
#include "tst_TClueChange.moc"
