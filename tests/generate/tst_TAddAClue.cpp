#include "generate/ui/TAddAClue.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace gw;

class TAddAClueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The window shows the word, takes a clue of up to 150 characters and closes on Enter.
    void showsTheWordAndTakesTheClue()
    {
        test::TestWorkspace workspace;
        generate::TAddAClue window(workspace.context(), "CO");
        window.show();
        QCOMPARE(window.findChild<QLabel *>("MyWord")->text(), QString("CO"));
        auto *clue = window.findChild<QLineEdit *>("TheClue");
        QTest::keyClicks(clue, "Cobalt's symbol" + QString(200, 'x'));
        QCOMPARE(window.clue().size(), 150);
        QTest::keyClick(clue, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QVERIFY(window.clue().startsWith("Cobalt's symbol"));
    }

    // The setting "Case Sensitivity" picks the radio button when shown (none for other values)
    // and each click stores its value at once.
    void caseButtonsFollowTheSetting_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("checked");
        QTest::newRow("upper") << 1 << "Upper";
        QTest::newRow("lower") << 2 << "Lower";
        QTest::newRow("first letter") << 3 << "FirstLet";
        QTest::newRow("none") << 0 << "";
        QTest::newRow("out of range") << 7 << "";
    }
    void caseButtonsFollowTheSetting()
    {
        QFETCH(int, setting);
        QFETCH(QString, checked);
        test::TestWorkspace workspace;
        workspace.context().settings.caseSensitivity = setting;
        generate::TAddAClue window(workspace.context(), "CAT");
        window.show();
        for (const char *name : { "Upper", "Lower", "FirstLet" })
            QCOMPARE(window.findChild<QRadioButton *>(name)->isChecked(), checked == name);
        const std::pair<const char *, int> clicks[] = { { "Lower", 2 }, { "FirstLet", 3 }, { "Upper", 1 } };
        for (const auto &[name, value] : clicks) {
            QTest::mouseClick(window.findChild<QRadioButton *>(name), Qt::LeftButton);
            QCOMPARE(workspace.context().settings.caseSensitivity, value);
        }
    }
};

QTEST_MAIN(TAddAClueTest)
#include "tst_TAddAClue.moc"
