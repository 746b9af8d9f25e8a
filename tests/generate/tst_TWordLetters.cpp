#include "generate/ui/TWordLetters.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace gw;

class WordLettersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatorsStoreAtOnce_data();
    void separatorsStoreAtOnce();
};

void WordLettersTest::separatorsStoreAtOnce_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<char>("stored");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("lower-case letter") << "q" << ' ' << "Error|Character cannot be in A..Z.  Please correct.";
    QTest::newRow("accented letter is no ASCII letter") << "\u00e9" << '\xe9' << "";
}

// A box writes its setting the moment it is clicked.  A typed character is stored at once; an
// ASCII letter is refused, blanks the setting and empties the edit.
void WordLettersTest::separatorsStoreAtOnce()
{
    QFETCH(QString, typed);
    QFETCH(char, stored);
    QFETCH(QString, refusal);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    model::Settings &settings = workspace.context().settings;
    settings.wordSepChar = '+';
    generate::TWordLetters window(workspace.context(), nullptr);
    window.show();
    auto *box = window.findChild<QCheckBox *>("WordSepSlash");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(settings.wordSepSlash);

    auto *edit = window.findChild<QLineEdit *>("WordSepChar");
    edit->clear();
    // The test library types only ASCII by key; other characters go as the text of a key.
    if (typed.front().unicode() < 128)
        QTest::keyClicks(edit, typed);
    else
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
    QCOMPARE(settings.wordSepChar, stored);
    QCOMPARE(edit->text(), refusal.isEmpty() ? typed : QString());
    QCOMPARE(dialogs.lastMessage(), refusal);
}

QTEST_MAIN(WordLettersTest)
#include "tst_TWordLetters.moc"
