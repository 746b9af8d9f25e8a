#include "export/ui/PreviewExports.h"

#include "export/BitmapFile.h"
#include "export/CrosswordFiles.h"
#include "export/JpegFile.h"
#include "export/MetafileExport.h"
#include "export/WebPuzzle.h"
#include "export/ui/TDoMeta.h"
#include "export/ui/TMyHtml.h"
#include "export/ui/TTheJPegFactor.h"
#include "render/PrintJob.h"
#include "render/ui/TMyPreview.h"
#include "report/RecordedPage.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <filesystem>
#include <optional>
#include <string>

namespace gw::exports {

namespace {

// Asks for the file to save, from the last one; stores the choice.  Nothing when cancelled.
std::optional<std::filesystem::path> chooseSaveFile(QWidget *parent, std::string &lastFile,
    const QString &title, const QString &filter, const QString &extension)
{
    const auto file
        = app::chooseRememberedFile(parent, app::FileDialogKind::Save, title, filter, extension, lastFile);
    if (!file)
        return std::nullopt;
    return std::filesystem::path(*file);
}

void report(QWidget *parent, const Status &written)
{
    if (!written)
        app::show(parent, written.error());
}

} // namespace

void exportMetafile(QWidget *parent, app::AppContext &context, const report::RecordedPage &page,
    const model::PuzzleRecord &puzzle, int enhanced)
{
    model::Settings &settings = context.settings;
    const auto file = enhanced ? chooseSaveFile(parent, settings.lastExportEmfFile,
                          "Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF *.emf)", "EMF")
                               : chooseSaveFile(parent, settings.lastExportWmfFile, "Save Puzzle As MetaFile",
                                   "Metafile (*.WMF *.wmf)", "WMF");
    if (!file)
        return;
    if (hasBitmapObject(puzzle.layout))
        app::show(parent, bitmapsNotSaved());
    TDoMeta window(context, page, *file, enhanced, parent);
    app::runChild(window);
}

void exportBitmap(QWidget *parent, app::AppContext &context, const QImage &pageImage)
{
    model::Settings &settings = context.settings;
    const auto file = chooseSaveFile(
        parent, settings.lastExportBitmapFile, "Save Puzzle As Bitmap", "Bitmap (*.BMP *.bmp)", "BMP");
    if (file)
        report(parent, writeBmp(pageImage, *file, bitsPerPixelOf(settings.pixelFormat)));
}

void exportJpeg(QWidget *parent, app::AppContext &context, const QImage &pageImage)
{
    model::Settings &settings = context.settings;
    const auto file = chooseSaveFile(
        parent, settings.lastExportJpegFile, "Save Puzzle As JPeg", "JPeg (*.JPG *.jpg)", "JPG");
    if (file) {
        const QImage picture = inColourDepth(pageImage, bitsPerPixelOf(settings.pixelFormat));
        report(parent, writeJpeg(picture, *file, settings.jpegCompressionQuality));
    }
}

void chooseJpegFactor(QWidget *parent, app::AppContext &context)
{
    TTheJPegFactor window(context, parent);
    app::runChild(window);
}

void exportHtml(QWidget *parent, app::AppContext &context, const QImage &pageImage)
{
    TMyHtml window(context, pageImage, parent);
    app::runChild(window);
}

void exportWebPuzzle(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle)
{
    const auto file = chooseSaveFile(parent, context.settings.lastExportWebPuzzleFile,
        "Save Puzzle As Interactive Web Puzzle", "Interactive Web Puzzle (*.html *.htm *.HTML *.HTM)",
        "html");
    if (file)
        report(parent, writeWebPuzzle(CrosswordGrid::of(puzzle), *file));
}

void exportIpuz(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle)
{
    std::string lastFile = context.startDirectory.string();
    if (const auto file = chooseSaveFile(parent, lastFile, "Save Puzzle As ipuz", "ipuz (*.ipuz)", "ipuz"))
        report(parent, writeIpuz(CrosswordGrid::of(puzzle), *file));
}

void exportPuz(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle)
{
    std::string lastFile = context.startDirectory.string();
    if (const auto file = chooseSaveFile(parent, lastFile, "Save Puzzle As Puz", "Puz (*.PUZ *.puz)", "puz"))
        report(parent, writePuz(CrosswordGrid::of(puzzle), *file));
}

void installExportHooks(render::TMyPreview::ExportHooks &hooks, app::AppContext &context)
{
    const auto metafile = [&context](int enhanced) {
        return [&context, enhanced](render::TMyPreview &shown) {
            if (shown.page())
                exportMetafile(&shown, context, *shown.page(), shown.job().puzzle(), enhanced);
        };
    };
    hooks.wmf = metafile(0);
    hooks.emf = metafile(1);
    hooks.bmp = [&context](render::TMyPreview &shown) { exportBitmap(&shown, context, shown.pageImage()); };
    hooks.jpeg = [&context](render::TMyPreview &shown) { exportJpeg(&shown, context, shown.pageImage()); };
    hooks.jpegFactor = [&context](render::TMyPreview &shown) { chooseJpegFactor(&shown, context); };
    hooks.html = [&context](render::TMyPreview &shown) { exportHtml(&shown, context, shown.pageImage()); };
    hooks.webPuzzle
        = [&context](render::TMyPreview &shown) { exportWebPuzzle(&shown, context, shown.job().puzzle()); };
    hooks.ipuz = [&context](render::TMyPreview &shown) { exportIpuz(&shown, context, shown.job().puzzle()); };
    hooks.puz = [&context](render::TMyPreview &shown) { exportPuz(&shown, context, shown.job().puzzle()); };
}

} // namespace gw::exports
