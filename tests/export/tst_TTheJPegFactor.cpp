#include "export/TTheJPegFactor.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

class JPegFactorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheTextsAndTheCurrentFactor();
    void refusesFactorsOutsideTheRange_data();
    void refusesFactorsOutsideTheRange();
    void takesTheEndsOfTheRange_data();
    void takesTheEndsOfTheRange();
    void cancelKeepsTheFactor();
    void screenshots();

private:
    void type(exports::TTheJPegFactor &window, const QString &text)
    {
        auto *edit = window.findChild<QLineEdit *>("FactorEdit");
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    }
};

// The dialog explains the factor and starts on the setting.
void JPegFactorTest::showsTheTextsAndTheCurrentFactor()
{
    test::TestWorkspace workspace;
    workspace.context().settings.jpegCompressionQuality = 37;
    exports::TTheJPegFactor window(workspace.context(), nullptr);
    QCOMPARE(window.windowTitle(), QString("JPEG Factor"));
    QCOMPARE(window.findChild<QLabel *>("ExplainLabel")->text(),
        QString(
            "When the Factor is high, the image will be sharper, but the file size will be larger.  If the "
            "factor is lower, then the file size will be smaller, but the image will not be as sharp."));
    QCOMPARE(window.findChild<QLabel *>("FactorLabel")->text(),
        QString("JPEG Compression/Quality Factor (Range: 1 - 100)"));
    QCOMPARE(window.findChild<QLineEdit *>("FactorEdit")->text(), QString("37"));
}

void JPegFactorTest::refusesFactorsOutsideTheRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("zero") << "0";
    QTest::newRow("101") << "101";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
}

// "0", "101" and what is no number are refused with the message; the dialog stays open and
// the setting keeps its value.
void JPegFactorTest::refusesFactorsOutsideTheRange()
{
    QFETCH(QString, typed);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TTheJPegFactor window(workspace.context(), nullptr);
    type(window, typed);
    QCOMPARE(
        dialogs.lastMessage(), QString("Error|Invalid factor entered.  Factor must be between 1 and 100"));
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(workspace.context().settings.jpegCompressionQuality, 50);
}

void JPegFactorTest::takesTheEndsOfTheRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("factor");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("hundred") << "100" << 100;
    QTest::newRow("blanks around") << " 64 " << 64;
}

// "1" and "100" are taken and close the dialog.
void JPegFactorTest::takesTheEndsOfTheRange()
{
    QFETCH(QString, typed);
    QFETCH(int, factor);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TTheJPegFactor window(workspace.context(), nullptr);
    type(window, typed);
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(workspace.context().settings.jpegCompressionQuality, factor);
}

void JPegFactorTest::cancelKeepsTheFactor()
{
    test::TestWorkspace workspace;
    exports::TTheJPegFactor window(workspace.context(), nullptr);
    window.findChild<QLineEdit *>("FactorEdit")->setText("80");
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(workspace.context().settings.jpegCompressionQuality, 50);
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void JPegFactorTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        exports::TTheJPegFactor window(workspace.context(), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TTheJPegFactor-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(JPegFactorTest)
#include "tst_TTheJPegFactor.moc"
