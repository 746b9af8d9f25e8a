#include "export/ui/PreviewExports.h"
#include "render/SamplePage.h"
#include "render/ui/TMyPreview.h"
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
};

// Each entry of "&Graphic Export" and "&HTML Export" asks for its file, writes it in its
// format, and keeps it as the next one to offer; "JPEG Compression &Factor" opens the factor
// dialog, which changes the setting.
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
    const model::Settings &settings = workspace.context().settings;
    const std::pair<const std::string *, const char *> remembered[]
        = { { &settings.lastExportWmfFile, "p.wmf" }, { &settings.lastExportEmfFile, "p.emf" },
              { &settings.lastExportBitmapFile, "p.bmp" }, { &settings.lastExportJpegFile, "p.jpg" },
              { &settings.lastExportWebPuzzleFile, "p.html" } };
    for (const auto &[kept, name] : remembered)
        QCOMPARE(QString::fromStdString(*kept), workspace.path(QString("start/") + name));
    preview.answer = [](QDialog &dialog) {
        dialog.findChild<QLineEdit *>("FactorEdit")->setText("20");
        dialog.findChild<QPushButton *>("OkButton")->click();
    };
    preview.trigger("MenuJpegFactor");
    QCOMPARE(settings.jpegCompressionQuality, 20);
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

QTEST_MAIN(PreviewExportsTest)
#include "tst_PreviewExports.moc"
