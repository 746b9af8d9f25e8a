#include "report/PageImage.h"

#include "report/PageReplay.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace gw::report {

QImage renderPageImage(const RecordedPage &page, double dotsPerInch)
{
    const double dpi = std::clamp(dotsPerInch, SmallestImageDotsPerInch, LargestImageDotsPerInch);
    const int width = std::max(1, static_cast<int>(std::lround(page.setup().sheetWidth() * dpi)));
    const int height = std::max(1, static_cast<int>(std::lround(page.setup().sheetHeight() * dpi)));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    replayPage(painter, page, dpi);
    return image;
}

Status saveImage(const QImage &image, const std::filesystem::path &file, const char *format)
{
    const Failure failed { "Error", "Unable to write the picture " + file.string() + "." };
    if (image.isNull())
        return failed;
    QSaveFile out(QFile::decodeName(file.c_str()));
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, format) || !out.commit())
        return failed;
    return ok();
}

} // namespace gw::report
