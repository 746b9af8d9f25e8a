#include "report/PdfOutput.h"

#include "render/TextConversion.h"
#include "report/PageReplay.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace gw::report {

namespace {

constexpr int PdfDotsPerInch = 1200;

} // namespace

Status writePdf(
    std::span<const RecordedPage> pages, const std::filesystem::path &file, std::string_view title)
{
    const Failure failed { "Error", "Unable to write the PDF file " + file.string() + "." };
    if (pages.empty())
        return failed;
    QSaveFile out(QFile::decodeName(file.c_str()));
    if (!out.open(QIODevice::WriteOnly))
        return failed;
    {
        QPdfWriter writer(&out);
        writer.setResolution(PdfDotsPerInch);
        writer.setCreator(QStringLiteral("Gridwright"));
        writer.setTitle(toQString(title));
        writer.setPageLayout(pages.front().setup().pageLayout());
        QPainter painter;
        if (!painter.begin(&writer))
            return failed;
        bool first = true;
        for (const RecordedPage &page : pages) {
            if (!first) {
                writer.setPageLayout(page.setup().pageLayout());
                writer.newPage();
            }
            first = false;
            replayPage(painter, page, PdfDotsPerInch);
        }
        if (!painter.end())
            return failed;
    }
    if (!out.commit())
        return failed;
    return ok();
}

} // namespace gw::report
