#include "generate/ui/TWordLetters.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

class WordLettersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxesStoreAtOnce();
    void separatorCharacter_data();
    void separatorCharacter();
};

// The boxes and the edit show the settings; each box writes its setting the moment it is
// clicked; Ok only closes.
void WordLettersTest::boxesStoreAtOnce()
{
    test::TestWorkspace workspace;
    model::Settings &settings = workspace.context().settings;
    settings.wordSepChar = '#';
    generate::TWordLetters window(workspace.context(), nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QLineEdit *>("WordSepChar")->text(), QString("#"));
    test::saveScreenshot(&window, "TWordLetters");
    const std::pair<const char *, bool model::Settings::*> boxes[] = {
        { "WordSepDash", &model::Settings::wordSepDash }, { "WordSepSlash", &model::Settings::wordSepSlash },
        { "WordSepPlus", &model::Settings::wordSepPlus }, { "WordSepStar", &model::Settings::wordSepStar },
        { "WordSepOther", &model::Settings::wordSepOther }
    };
    for (const auto &[name, flag] : boxes) {
        auto *box = window.findChild<QCheckBox *>(name);
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY2(settings.*flag, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY2(!(settings.*flag), name);
    }
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void WordLettersTest::separatorCharacter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<char>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("dash") << "-" << '-' << "-" << false;
    QTest::newRow("digit") << "7" << '7' << "7" << false;
    QTest::newRow("upper-case letter") << "Q" << ' ' << "" << true;
    QTest::newRow("lower-case letter") << "q" << ' ' << "" << true;
    QTest::newRow("accented letter is no ASCII letter") << "\u00e9" << '\xe9' << "\u00e9" << false;
    QTest::newRow("blank") << " " << ' ' << " " << false;
}

// Typing a character stores it at once; an ASCII letter is refused, blanks the setting and
// empties the edit.
void WordLettersTest::separatorCharacter()
{
    QFETCH(QString, typed);
    QFETCH(char, stored);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    model::Settings &settings = workspace.context().settings;
    settings.wordSepChar = '+';
    generate::TWordLetters window(workspace.context(), nullptr);
    window.show();
    auto *edit = window.findChild<QLineEdit *>("WordSepChar");
    edit->clear();
    QCOMPARE(settings.wordSepChar, ' ');
    // The test library types only ASCII by key; other characters go as the text of a key.
    if (typed.front().unicode() < 128)
        QTest::keyClicks(edit, typed);
    else
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
    QCOMPARE(settings.wordSepChar, stored);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(dialogs.lastMessage(),
        refused ? QString("Error|Character cannot be in A..Z.  Please correct.") : QString());
}

QTEST_MAIN(WordLettersTest)
#include "tst_TWordLetters.moc"
