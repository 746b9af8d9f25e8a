#pragma once

#include "report/FontSpec.h"

#include <QFont>
#include <QFontMetricsF>
#include <string_view>

namespace gw::report {

// Measures text in inches at one fixed resolution, whatever device the page goes to, so that
// the preview, the printer and every picture break lines and shrink fonts alike.
class TextMetrics
{
public:
    // Fonts are sized in pixels of this resolution; replaying scales them to the device.
    static constexpr double ReferenceDotsPerInch = 1200;

    explicit TextMetrics(const FontSpec &font);

    // The font that is measured and drawn: unhinted, so its advances scale exactly with the
    // device, and sized in reference dots.
    static QFont qtFont(const FontSpec &font);

    // Sum of the advances of the Windows-1252 text.
    double width(std::string_view text) const;
    // Ascent plus descent: the height of any text in this font.
    double height() const { return ascent() + descent(); }
    double ascent() const { return m_metrics.ascent() / ReferenceDotsPerInch; }
    double descent() const { return m_metrics.descent() / ReferenceDotsPerInch; }

private:
    QFontMetricsF m_metrics;
};

} // namespace gw::report
