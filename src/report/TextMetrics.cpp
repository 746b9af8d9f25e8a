#include "report/TextMetrics.h"

#include "render/TextConversion.h"
#include "report/FontSubstitutes.h"

#include <QImage>
#include <cmath>

namespace gw::report {

namespace {

constexpr double PointsPerInch = 72;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(TextMetrics::ReferenceDotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

TextMetrics::TextMetrics(const FontSpec &font)
    : m_metrics(qtFont(font), &referenceDevice())
{ }

QFont TextMetrics::qtFont(const FontSpec &font)
{
    installFontSubstitutes();
    QFont made(toQString(font.name));
    const double pixels = clampedPointSize(font.size) * ReferenceDotsPerInch / PointsPerInch;
    made.setPixelSize(static_cast<int>(std::lround(pixels)));
    made.setBold(font.bold);
    made.setItalic(font.italic);
    made.setUnderline(font.underline);
    made.setStrikeOut(font.strikeout);
    made.setHintingPreference(QFont::PreferNoHinting);
    made.setKerning(false);
    return made;
}

double TextMetrics::width(std::string_view text) const
{
    return m_metrics.horizontalAdvance(toQString(text)) / ReferenceDotsPerInch;
}

} // namespace gw::report
