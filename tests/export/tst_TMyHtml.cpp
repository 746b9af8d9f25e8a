#include "export/ui/TMyHtml.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace gw;

namespace {

QImage pageImage()
{
    QImage image(170, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class MyHtmlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesThePageAndThePictureBesideIt();
    void cancelOrAFailureWritesNothing();
};

// Save writes the page from the dialog's texts, each within its capacity (a block 999
// characters, the title 100), and the picture it names, and remembers the file.
void MyHtmlTest::saveWritesThePageAndThePictureBesideIt()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.show();
    test::saveScreenshot(&window, "TMyHtml");
    window.findChild<QPlainTextEdit *>("FirstFooterMemo")->setPlainText("a < b\nsecond line");
    window.findChild<QCheckBox *>("FirstFooterBold")->click();
    window.findChild<QPlainTextEdit *>("SecondHeaderMemo")->setPlainText(QString(1200, 'x'));
    auto *title = window.findChild<QLineEdit *>("WebTitleEdit");
    title->setMaxLength(200);
    title->setText(QString(120, 't'));
    const QString page = workspace.path("start/PUZZLE.htm");
    dialogs.chooseFile(page);
    test::clickButton(window, "SaveButton");

    QCOMPARE(dialogs.fileRequests().front().title, QString("Save HTML Document"));
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    const model::Settings &settings = workspace.context().settings;
    QCOMPARE(QString::fromStdString(settings.lastExportHtmlFile), page);
    QCOMPARE(settings.secondHeader.text, std::string(999, 'x'));
    QCOMPARE(settings.webTitle, std::string(100, 't'));
    const QByteArray written = test::fileBytes(page);
    QVERIFY(written.contains("<TITLE>" + QByteArray(100, 't') + "</TITLE>"));
    QVERIFY(written.contains("<B><FONT SIZE=3>a < b\r\nsecond line</FONT></B><P>"));
    QVERIFY(written.contains("<IMG SRC=\"PUZZLE.JPG\""));
    QCOMPARE(QImage(workspace.path("start/PUZZLE.JPG")).size(), QSize(170, 220));
}

// Cancelling the save dialog leaves the settings as they were; a page that cannot be created
// is reported, and no picture is written.
void MyHtmlTest::cancelOrAFailureWritesNothing()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.findChild<QPlainTextEdit *>("FirstHeaderMemo")->setPlainText("Changed");
    dialogs.chooseFile(std::nullopt);
    test::clickButton(window, "SaveButton");
    QCOMPARE(workspace.context().settings.firstHeader.text, std::string("My Puzzle"));
    QVERIFY(QDir(workspace.path("start")).isEmpty());

    dialogs.chooseFile(workspace.path("missing/P.htm"));
    test::clickButton(window, "SaveButton");
    QCOMPARE(dialogs.lastMessage(), QString("Error|Unable to create html file."));
    QVERIFY(!QFile::exists(workspace.path("missing/P.JPG")));
}

QTEST_MAIN(MyHtmlTest)
#include "tst_TMyHtml.moc"
