#include "export/ui/TTheJPegFactor.h"
#include "uisupport/UiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

class JPegFactorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takesOnlyFactorsFromOneToHundred_data();
    void takesOnlyFactorsFromOneToHundred();
};

void JPegFactorTest::takesOnlyFactorsFromOneToHundred_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("factor"); // 0: refused
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("hundred") << "100" << 100;
    QTest::newRow("blanks around") << " 64 " << 64;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("101") << "101" << 0;
    QTest::newRow("letters after") << "12abc" << 0;
}

// The dialog starts on the setting.  "1" to "100" are taken and close it; anything else is
// refused with the message, the dialog stays open and the setting keeps its value, also when a
// good factor is typed and then cancelled.
void JPegFactorTest::takesOnlyFactorsFromOneToHundred()
{
    QFETCH(QString, typed);
    QFETCH(int, factor);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    workspace.context().settings.jpegCompressionQuality = 37;
    exports::TTheJPegFactor window(workspace.context(), nullptr);
    test::saveScreenshot(&window, "TTheJPegFactor");
    auto *edit = window.findChild<QLineEdit *>("FactorEdit");
    QCOMPARE(edit->text(), QString("37"));
    edit->clear();
    QTest::keyClicks(edit, typed);
    test::clickButton(window, "OkButton");
    QCOMPARE(window.result(), int(factor ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(workspace.context().settings.jpegCompressionQuality, factor ? factor : 37);
    QCOMPARE(dialogs.lastMessage(),
        factor ? QString() : QString("Error|Invalid factor entered.  Factor must be between 1 and 100"));
    if (!factor) {
        edit->setText("80");
        test::clickButton(window, "CancelButton");
        QCOMPARE(workspace.context().settings.jpegCompressionQuality, 37);
    }
}

QTEST_MAIN(JPegFactorTest)
#include "tst_TTheJPegFactor.moc"
