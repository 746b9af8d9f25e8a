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
    // The caption names the header's kind, not the object.  The text is stored zero-terminated,
    // Windows-1252, trimmed and at most 25 characters; Cancel keeps it.
    void okStoresTheTrimmedHeading()
    {
        test::TestWorkspace workspace;
        layout::LayoutObject down = test::sampleObject(ObjectKind::DownHeader, "X");
        down.setText(std::string(200, 'z'));
        layout::TClueChange window(workspace.context(), down, nullptr);
        QCOMPARE(window.windowTitle(), QString("Down Header"));
        layout::TClueChange across(
            workspace.context(), test::sampleObject(ObjectKind::AcrossHeader, "X"), nullptr);
        QCOMPARE(across.windowTitle(), QString("Across Header"));
        across.show();
        test::saveScreenshot(&across, "TClueChange");

        QCOMPARE(test::box(window, "HeaderBox")->text(), QString(25, 'z'));
        test::retype(window, "HeaderBox", QString::fromUtf8("  Verticale \u00e0  "));
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(window.object().textView(), std::string_view("Verticale \xe0"));
        QCOMPARE(window.object().text[11], '\0');
        test::box(window, "HeaderBox")->setMaxLength(100);
        test::box(window, "HeaderBox")->setText(QString(40, 'x'));
        test::clickButton(window, "OkButton");
        QCOMPARE(window.object().textView().size(), std::size_t(25));

        layout::TClueChange cancelled(workspace.context(), down, nullptr);
        test::retype(cancelled, "HeaderBox", "Other");
        test::clickButton(cancelled, "CancelButton");
        QVERIFY(!cancelled.ok());
        QCOMPARE(cancelled.object().textView().size(), std::size_t(200));
    }
};

QTEST_MAIN(ClueChangeTest)
#include "tst_TClueChange.moc"
