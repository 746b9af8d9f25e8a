#include "layout/TClueHeaders.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

class ClueHeadersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presetsBothBoxes();
    void okStoresTrimmedTextsWithinTheCapacity();
    void cancelLeavesBoth();
    void screenshots();
};

// The boxes start on the headings given, under the caller's caption, at most 25 characters.
void ClueHeadersTest::presetsBothBoxes()
{
    test::TestWorkspace workspace;
    std::string across = "Across";
    std::string down = "D\xf6wn";
    layout::TClueHeaders window(workspace.context(), across, down, "Default Clue Headers", nullptr);
    QCOMPARE(window.windowTitle(), QString("Default Clue Headers"));
    QCOMPARE(window.findChild<QLineEdit *>("AcrossHeader")->text(), QString("Across"));
    QCOMPARE(window.findChild<QLineEdit *>("DownHeader")->text(), QString("D\u00f6wn"));
    QCOMPARE(window.findChild<QLineEdit *>("AcrossHeader")->maxLength(), 25);
    QCOMPARE(window.findChild<QLabel *>("AcrossLabel")->text(), QString("&Across Header"));
    QCOMPARE(window.findChild<QLabel *>("DownLabel")->text(), QString("&Down Header"));
}

// Ok stores both texts as typed texts are stored: trimmed, Windows-1252, cut to 25.
void ClueHeadersTest::okStoresTrimmedTextsWithinTheCapacity()
{
    test::TestWorkspace workspace;
    std::string across = "Across";
    std::string down = "Down";
    layout::TClueHeaders window(workspace.context(), across, down, "Clue Headers", nullptr);
    auto *acrossBox = window.findChild<QLineEdit *>("AcrossHeader");
    acrossBox->clear();
    QTest::keyClicks(acrossBox, "  Horizontal  ");
    window.findChild<QLineEdit *>("DownHeader")->setText("Verticale \u00e0 \u20ac\u0416");
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(across, std::string("Horizontal"));
    QCOMPARE(down, std::string("Verticale \xe0 \x80?"));

    // Text set past the box's limit is still cut to the capacity.
    acrossBox->setMaxLength(100);
    acrossBox->setText(QString(40, 'x'));
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QCOMPARE(across, std::string(25, 'x'));
}

// Cancel changes neither heading.
void ClueHeadersTest::cancelLeavesBoth()
{
    test::TestWorkspace workspace;
    std::string across = "Across";
    std::string down = "Down";
    layout::TClueHeaders window(workspace.context(), across, down, "Clue Headers", nullptr);
    window.findChild<QLineEdit *>("AcrossHeader")->setText("Other");
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QCOMPARE(across, std::string("Across"));
    QCOMPARE(down, std::string("Down"));
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void ClueHeadersTest::screenshots()
{
    test::TestWorkspace workspace;
    std::string across = "Across";
    std::string down = "Down";
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        layout::TClueHeaders window(workspace.context(), across, down, "Default Clue Headers", nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TClueHeaders-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(ClueHeadersTest)
#include "tst_TClueHeaders.moc"
