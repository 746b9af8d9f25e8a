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
    void separatorsStoreAtOnce();
};

// A box writes its setting the moment it is clicked, and a typed character is stored at once.
// An ASCII letter is refused, blanks the setting and empties the edit; an accented letter is no
// ASCII letter and is stored.
void WordLettersTest::separatorsStoreAtOnce()
{
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
    QTest::keyClicks(edit, "q");
    QCOMPARE(dialogs.lastMessage(), QString("Error|Character cannot be in A..Z.  Please correct."));
    QCOMPARE(settings.wordSepChar, ' ');
    QCOMPARE(edit->text(), QString());
    // The test library types only ASCII by key; other characters go as the text of a key.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString("\u00e9"), Qt::NoModifier);
    QCOMPARE(settings.wordSepChar, '\xe9');
    QCOMPARE(edit->text(), QString("\u00e9"));
}

QTEST_MAIN(WordLettersTest)
#include "tst_TWordLetters.moc"
