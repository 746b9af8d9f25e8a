#pragma once

#include "report/PageCanvas.h"
#include "report/PageOperation.h"
#include "report/PageSetup.h"
#include "report/TextMetrics.h"

#include <vector>

namespace gw::report {

// A page kept in memory as the list of what was drawn on it, to be replayed onto a printer, a
// PDF file or a picture at any resolution.  Text is measured at the fixed resolution of
// TextMetrics, so every replay shows what the renderers measured.  What lies wholly off the
// sheet is not kept.
class RecordedPage final : public PageCanvas
{
public:
    // The device dots of the page: lines are one dot wide and nested outlines step by a dot.
    static constexpr double DeviceDotsPerInch = 300;

    explicit RecordedPage(const PageSetup &setup);

    const PageSetup &setup() const { return m_setup; }
    const std::vector<PageOperation> &operations() const { return m_operations; }

    double dotsPerInch() const override { return DeviceDotsPerInch; }
    void setPenColour(std::uint32_t colour) override { m_penColour = colour; }
    void setBrushColour(std::uint32_t colour) override { m_brushColour = colour; }
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void fillRect(const InchRect &box) override;
    void fillArea(std::span<const InchRect> boxes) override;
    void ellipse(const InchRect &box) override;
    void arc(const InchRect &box, double startDegrees, double spanDegrees) override;
    void stretchBitmap(const InchRect &box, const QImage &bitmap) override;

    void setFont(const FontSpec &font) override;
    const FontSpec &font() const override { return m_font; }
    void setTransparentText(bool transparent) override { m_transparentText = transparent; }
    double textWidth(std::string_view text) const override { return m_metrics.width(text); }
    double textHeight(std::string_view) const override { return m_metrics.height(); }
    double ascent() const override { return m_metrics.ascent(); }
    double descent() const override { return m_metrics.descent(); }
    void printText(double x, double baseline, std::string_view text) override;

private:
    void keep(PageOperation operation, const InchRect &extent);

    PageSetup m_setup;
    std::vector<PageOperation> m_operations;
    FontSpec m_font;
    TextMetrics m_metrics;
    std::uint32_t m_penColour = 0;
    std::uint32_t m_brushColour = 0x00FFFFFF;
    double m_x = 0;
    double m_y = 0;
    bool m_transparentText = true;
};

} // namespace gw::report
