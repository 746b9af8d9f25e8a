#pragma once

#include "render/ui/TMyPreview.h"

#include <QImage>

class QWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::model {
struct PuzzleRecord;
}

namespace gw::report {
class RecordedPage;
}

namespace gw::exports {

// The export commands of the preview window.  Each asks for the file through the save dialog
// seam, starting from and then storing its "Last Export ... File" setting, and reports
// failures through the message box seam.  Their dialogs run through the child window seam.

// "&Windows MetaFile (WMF)" (enhanced 0) and "&Enhanced MetaFile (EMF)" (enhanced 1): warns
// when the layout has bitmaps, then TDoMeta draws the page into the metafile.
void exportMetafile(QWidget *parent, app::AppContext &context, const report::RecordedPage &page,
    const model::PuzzleRecord &puzzle, int enhanced);
// "Windows &Bitmap (BMP)": the page image in the colour depth of "Pixel Format".
void exportBitmap(QWidget *parent, app::AppContext &context, const QImage &pageImage);
// "&JPEG (JPG)": the page image in that depth at "JPeg Compression Quality".
void exportJpeg(QWidget *parent, app::AppContext &context, const QImage &pageImage);
// "JPEG Compression &Factor": the "JPEG Factor" dialog.
void chooseJpegFactor(QWidget *parent, app::AppContext &context);
// "&HTML Export": the "HTML Creation" dialog on the page image.
void exportHtml(QWidget *parent, app::AppContext &context, const QImage &pageImage);
// "&Interactive Web Puzzle...": the puzzle as a web page to solve in a browser.
void exportWebPuzzle(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle);
// The puzzle as an .ipuz or a .puz file, for other crossword programs.
void exportIpuz(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle);
void exportPuz(QWidget *parent, app::AppContext &context, const model::PuzzleRecord &puzzle);

// Every export hook of a preview, each working on the preview it is called from: its print job,
// page and page image.
void installExportHooks(render::TMyPreview::ExportHooks &hooks, app::AppContext &context);

} // namespace gw::exports
