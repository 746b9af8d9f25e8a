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

QTEST_MAIN(PreviewExportsTest)
#include "tst_PreviewExports.moc"
