#include "export/QtPreviewExports.h"
#include "render/SamplePage.h"
#include "render/TMyPreview.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace gw;

namespace {

// The preview of the sample collection's first puzzle with the export commands installed;
// their dialogs are shown until they are done and then closed.
struct Preview
{
    explicit Preview(app::AppContext &context)
        : window(std::make_unique<render::TMyPreview>(context, *sample.job, sample.engine, nullptr))
    {
        exports::installExportHooks(window->exportHooks(), context);
        children.onChild = [this](QDialog &dialog) {
            dialog.show();
            if (auto *ok = dialog.findChild<QPushButton *>("OkButton");
                ok && dialog.findChild<QLineEdit *>() == nullptr)
                return QTest::qWaitFor([ok] { return ok->isEnabled(); }) ? 0 : 1;
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

} // namespace

class PreviewExportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyMenuEntryWritesItsFile();
    void bitmapFollowsZoomAndPixelFormat();
    void factorDialogChangesTheJpegQuality();
};

// Each entry of "&Graphic Export" and "&HTML Export" asks for its file, writes it in its
// format, and keeps it as the next one to offer.
void PreviewExportsTest::everyMenuEntryWritesItsFile()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Preview preview(workspace.context());
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
    dialogs.chooseFile(workspace.path("start/page.htm"));
    preview.answer = [](QDialog &dialog) { dialog.findChild<QPushButton *>("SaveButton")->click(); };
    preview.trigger("MenuHtml");
    QVERIFY(QFile::exists(workspace.path("start/page.htm")));
    QVERIFY(QFile::exists(workspace.path("start/page.JPG")));
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportBitmapFile),
        workspace.path("start/p.bmp"));
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportJpegFile),
        workspace.path("start/p.jpg"));
    const app::FileRequest &web = dialogs.fileRequests()[6];
    QCOMPARE(web.title + "|" + web.filter + "|" + web.defaultExtension,
        QString(
            "Save Puzzle As Interactive Web Puzzle|Interactive Web Puzzle (*.html *.htm *.HTML *.HTM)|html"));
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportWebPuzzleFile),
        workspace.path("start/p.html"));
}

// The bitmap is the page image the preview shows: its zoom, and the depth of "Pixel Format".
void PreviewExportsTest::bitmapFollowsZoomAndPixelFormat()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Preview preview(workspace.context());
    preview.window->setZoom(100);
    dialogs.chooseFile(workspace.path("start/whole.bmp"));
    preview.trigger("MenuBmp");
    preview.window->setZoom(50);
    workspace.context().settings.pixelFormat = 2;
    dialogs.chooseFile(workspace.path("start/half.bmp"));
    preview.trigger("MenuBmp");
    const QImage whole(workspace.path("start/whole.bmp"));
    const QImage half(workspace.path("start/half.bmp"));
    QCOMPARE(half.width() * 2, whole.width());
    QVERIFY(whole.format() != QImage::Format_Indexed8);
    QCOMPARE(half.format(), QImage::Format_Indexed8);
}

// "JPEG Compression &Factor" opens the factor dialog on the setting.
void PreviewExportsTest::factorDialogChangesTheJpegQuality()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Preview preview(workspace.context());
    preview.answer = [](QDialog &dialog) {
        dialog.findChild<QLineEdit *>("FactorEdit")->setText("20");
        dialog.findChild<QPushButton *>("OkButton")->click();
    };
    preview.trigger("MenuJpegFactor");
    QCOMPARE(workspace.context().settings.jpegCompressionQuality, 20);
}

QTEST_MAIN(PreviewExportsTest)
#include "tst_QtPreviewExports.moc"
