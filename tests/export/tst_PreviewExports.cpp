#include "export/ui/PreviewExports.h"
#include "export/ui/TDoMeta.h"
#include "export/ui/TMyHtml.h"
#include "render/SamplePage.h"
#include "render/ui/TMyPreview.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace gw;

namespace {

// Shows the window and waits until it has written its file.
int showUntilCreated(QDialog &window)
{
    window.show();
    return QTest::qWaitFor([&] { return window.findChild<QPushButton *>("OkButton")->isEnabled(); }) ? 0 : 1;
}

// The preview of the sample collection's first puzzle with the export commands installed;
// their dialogs are shown until they are done and then closed.
struct Preview
{
    explicit Preview(app::AppContext &context)
        : window(std::make_unique<render::TMyPreview>(context, *sample.job, sample.engine, nullptr))
    {
        exports::installExportHooks(window->exportHooks(), context);
        children.onChild = [this](QDialog &dialog) {
            // The metafile window has an Ok button and nothing to type.
            if (dialog.findChild<QPushButton *>("OkButton") && !dialog.findChild<QLineEdit *>())
                return showUntilCreated(dialog);
            dialog.show();
            if (answer)
                answer(dialog);
            return 0;
        };
    }

    void trigger(const char *action) { window->findChild<QAction *>(action)->trigger(); }

    test::SamplePage sample;
    test::ScriptedChildren children;
    std::unique_ptr<render::TMyPreview> window;
    std::function<void(QDialog &)> answer;
};

QImage pageImage()
{
    QImage image(170, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

// The preview's export commands and the windows they open.
class PreviewExportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyMenuEntryWritesItsFile();
    void createsTheMetafileOrReportsTheFailure();
    void bitmapsAreWarnedAboutFirst();
    void saveWritesThePageAndThePictureBesideIt();
    void cancelOrAFailureWritesNothing();
};

// Each entry of "&Graphic Export" and "&HTML Export" asks for its file, writes it in its
// format, and keeps it as the next one to offer; the bitmap is the page image at the preview's
// zoom, in the depth of "Pixel Format".  "JPEG Compression &Factor" opens the factor dialog,
// which changes the setting.
void PreviewExportsTest::everyMenuEntryWritesItsFile()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Preview preview(workspace.context());
    preview.window->setZoom(50);
    workspace.context().settings.pixelFormat = 2;
    const std::tuple<const char *, QString, QByteArray> entries[] = {
        { "MenuWmf", "p.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) },
        { "MenuEmf", "p.emf", " EMF" },
        { "MenuBmp", "p.bmp", "BM" },
        { "MenuJpeg", "p.jpg", "\xFF\xD8\xFF" },
        { "MenuIpuz", "p.ipuz", "http://ipuz.org/" },
        { "MenuPuz", "p.puz", "ACROSS&DOWN" },
        { "MenuWebPuzzle", "p.html", "<!DOCTYPE html>" },
    };
    for (const auto &[action, name, mark] : entries) {
        dialogs.chooseFile(workspace.path("start/" + name));
        preview.trigger(action);
        QVERIFY2(test::fileBytes(workspace.path("start/" + name)).left(64).contains(mark), action);
    }
    const QImage bitmap(workspace.path("start/p.bmp"));
    QCOMPARE(bitmap.width(), 408);
    QCOMPARE(bitmap.format(), QImage::Format_Indexed8);
    dialogs.chooseFile(workspace.path("start/page.htm"));
    preview.answer = [](QDialog &dialog) { dialog.findChild<QPushButton *>("SaveButton")->click(); };
    preview.trigger("MenuHtml");
    QVERIFY(QFile::exists(workspace.path("start/page.JPG")));
    QVERIFY(dialogs.messages().empty());
    const model::Settings &settings = workspace.context().settings;
    QCOMPARE(QString::fromStdString(settings.lastExportWebPuzzleFile), workspace.path("start/p.html"));
    preview.answer = [](QDialog &dialog) {
        dialog.findChild<QLineEdit *>("FactorEdit")->setText("20");
        dialog.findChild<QPushButton *>("OkButton")->click();
    };
    preview.trigger("MenuJpegFactor");
    QCOMPARE(settings.jpegCompressionQuality, 20);
}

// The page is drawn into the file while the window shows; then "Metafile Created", or the
// failure reported and not announced as created.
void PreviewExportsTest::createsTheMetafileOrReportsTheFailure()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const test::SamplePage sample;
    const QString file = workspace.path("start/page.wmf");
    exports::TDoMeta window(workspace.context(), sample.page(), file.toStdString(), 0, nullptr);
    QCOMPARE(showUntilCreated(window), 0);
    test::saveScreenshot(&window, "TDoMeta");
    QCOMPARE(window.findChild<QLabel *>("StatusLabel")->text(), QString("Metafile Created"));
    QVERIFY(QFile::exists(file));

    const QString missing = workspace.path("missing/page.wmf");
    exports::TDoMeta failing(workspace.context(), sample.page(), missing.toStdString(), 0, nullptr);
    showUntilCreated(failing);
    QVERIFY(!failing.created());
    QCOMPARE(failing.findChild<QLabel *>("StatusLabel")->text(), QString("Metafile Not Created"));
    QCOMPARE(dialogs.lastMessage(), "Error|Unable to write the file " + missing + ".");
}

// A layout with a Bitmap object is warned about, then the metafile is written without it;
// cancelling the save dialog ends the command before any warning or window.
void PreviewExportsTest::bitmapsAreWarnedAboutFirst()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    test::SamplePage sample;
    layout::LayoutRecord &pageLayout = sample.puzzle->layout;
    const int slot = pageLayout.objectCount++;
    pageLayout.objects[slot] = pageLayout.objects[0];
    pageLayout.objects[slot].kind = static_cast<std::int16_t>(layout::ObjectKind::Bitmap);
    test::ScriptedChildren children;
    dialogs.chooseFile(std::nullopt);
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QVERIFY(children.opened.isEmpty());
    QVERIFY(dialogs.messages().empty());

    const QString file = workspace.path("start/with-bitmap.emf");
    dialogs.chooseFile(file);
    bool warnedBeforeDrawing = false;
    children.onChild = [&](QDialog &window) {
        warnedBeforeDrawing = !QFile::exists(file) && !dialogs.messages().empty();
        return showUntilCreated(window);
    };
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QVERIFY(warnedBeforeDrawing);
    QCOMPARE(dialogs.messages().size(), std::size_t(1));
    QCOMPARE(
        dialogs.lastMessage(), QString("Warning|Bitmaps in this puzzle will not be saved in the metafile."));
    QCOMPARE(test::fileBytes(file).left(4), QByteArray("\x01\x00\x00\x00", 4)); // the header record
}

// Save writes the page from the dialog's texts, each within its capacity (a block 999
// characters, the title 100), and the picture it names, and remembers the file.
void PreviewExportsTest::saveWritesThePageAndThePictureBesideIt()
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
    QCOMPARE(window.result(), int(QDialog::Accepted));
    const model::Settings &settings = workspace.context().settings;
    QCOMPARE(QString::fromStdString(settings.lastExportHtmlFile), page);
    QCOMPARE(settings.secondHeader.text, std::string(999, 'x'));
    QCOMPARE(settings.webTitle, std::string(100, 't'));
    const QByteArray written = test::fileBytes(page);
    QVERIFY(written.contains("<B><FONT SIZE=3>a < b\r\nsecond line</FONT></B><P>"));
    QVERIFY(written.contains("<IMG SRC=\"PUZZLE.JPG\""));
    QCOMPARE(QImage(workspace.path("start/PUZZLE.JPG")).size(), QSize(170, 220));
}

// Cancelling the save dialog leaves the settings as they were; a page that cannot be created
// is reported, and no picture is written.
void PreviewExportsTest::cancelOrAFailureWritesNothing()
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
    QCOMPARE(dialogs.messages().back().caption, QString("Error"));
    QVERIFY(!QFile::exists(workspace.path("missing/P.JPG")));
}

QTEST_MAIN(PreviewExportsTest)
#include "tst_PreviewExports.moc"
