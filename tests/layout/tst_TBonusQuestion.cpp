#include "layout/TBonusQuestion.h"
#include "uisupport/UiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

class BonusQuestionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okStoresTheTypedQuestion();
    void cancelLeavesTheQuestion();
    void screenshot();
};

// The box starts on the question and takes 120 characters; Ok stores it trimmed, Windows-1252.
void BonusQuestionTest::okStoresTheTypedQuestion()
{
    test::TestWorkspace workspace;
    std::string question = "Old question";
    layout::TBonusQuestion window(workspace.context(), question, nullptr);
    QCOMPARE(window.windowTitle(), QString("Bonus Question"));
    auto *box = window.findChild<QLineEdit *>("BonusQuestionEdit");
    QCOMPARE(box->text(), QString("Old question"));
    QCOMPARE(box->maxLength(), 120);
    box->clear();
    QTest::keyClicks(box, "  What do cows drink?  ");
    box->insert(QString::fromUtf8("\u00bf"));
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(question, std::string("What do cows drink?  \xbf"));

    // A text set past the box's limit is still held to the record's 150 characters.
    box->setMaxLength(400);
    box->setText(QString(200, 'q'));
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QCOMPARE(question, std::string(150, 'q'));
}

// Cancel keeps the question as it was.
void BonusQuestionTest::cancelLeavesTheQuestion()
{
    test::TestWorkspace workspace;
    std::string question = "Kept";
    layout::TBonusQuestion window(workspace.context(), question, nullptr);
    window.findChild<QLineEdit *>("BonusQuestionEdit")->setText("Other");
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(question, std::string("Kept"));
}

void BonusQuestionTest::screenshot()
{
    test::TestWorkspace workspace;
    std::string question = "Which farm animal gives us wool?";
    layout::TBonusQuestion window(workspace.context(), question, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TBonusQuestion");
}

QTEST_MAIN(BonusQuestionTest)
#include "tst_TBonusQuestion.moc"
