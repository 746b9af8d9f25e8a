#include "layout/TBonusQuestion.h"
#include "uisupport/UiTestSupport.h"

#include <QLineEdit>
#include <QTest>

using namespace gw;

class BonusQuestionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The box starts on the question and takes 120 characters; Ok stores it trimmed, Windows-1252,
    // and held to the record's 150 characters; Cancel keeps it as it was.
    void okStoresTheTypedQuestion()
    {
        test::TestWorkspace workspace;
        std::string question = "Old question";
        layout::TBonusQuestion window(workspace.context(), question, nullptr);
        window.show();
        test::saveScreenshot(&window, "TBonusQuestion");
        auto *box = window.findChild<QLineEdit *>("BonusQuestionEdit");
        QCOMPARE(box->text(), QString("Old question"));
        QCOMPARE(box->maxLength(), 120);
        box->clear();
        QTest::keyClicks(box, "  What do cows drink?  ");
        box->insert(QString::fromUtf8("\u00bf"));
        test::clickButton(window, "OkButton");
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(question, std::string("What do cows drink?  \xbf"));

        box->setMaxLength(400);
        box->setText(QString(200, 'q'));
        test::clickButton(window, "OkButton");
        QCOMPARE(question, std::string(150, 'q'));

        box->setText("Other");
        test::clickButton(window, "CancelButton");
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(question, std::string(150, 'q'));
    }
};

QTEST_MAIN(BonusQuestionTest)
#include "tst_TBonusQuestion.moc"
