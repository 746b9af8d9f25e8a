#pragma once

#include "export/MetafileDevice.h"
#include "export/MetafileGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace gw::exports {

// A placeable Windows metafile built in memory from the few records a page needs: the
// placeable header (key, bounding box, units per inch, checksum), the metafile header, the
// description comment, the mapping of the sheet's pixels, pens, brushes and fonts created and
// selected as they change, lines, rectangles, polygons, ellipses, arcs and texts, and the end record.
class WmfWriter final : public MetafileDevice
{
public:
    explicit WmfWriter(const MetafileSize &size);

    void setPenColour(std::uint32_t colour) override;
    void setBrushColour(std::uint32_t colour) override;
    void setHollowBrush() override;
    void setNullPen() override;
    void moveTo(PixelPoint point) override;
    void lineTo(PixelPoint point) override;
    void rectangle(const PixelRect &box) override;
    void ellipse(const PixelRect &box) override;
    void polyPolygon(std::span<const std::vector<PixelPoint>> outlines) override;
    void arc(const PixelRect &box, PixelPoint start, PixelPoint end) override;
    void setFont(const report::FontSpec &font, int pixelHeight) override;
    void setOpaqueText(bool opaque) override;
    void text(PixelPoint origin, std::string_view text, std::span<const int> advances) override;

    // The whole file: the records so far and the end record.
    std::vector<std::uint8_t> finish() const;

private:
    // Object table slots: a created object takes the lowest free slot, as a player fills them.
    enum Kind { Pen, Brush, Font, KindCount };

    class Record;
    void add(const Record &record);
    void replaceObject(Kind kind, const Record &creation);

    MetafileSize m_size;
    std::vector<std::uint8_t> m_records;
    std::uint32_t m_largestRecord = 0; // in 16-bit words
    std::vector<bool> m_slotsInUse;
    std::array<int, KindCount> m_selected { -1, -1, -1 };
    std::optional<std::uint32_t> m_pen; // none = not chosen, or the null pen
    bool m_nullPen = false;
    std::optional<std::uint32_t> m_brush; // none = hollow once chosen
    bool m_brushChosen = false;
    std::optional<report::FontSpec> m_font;
    int m_fontHeight = 0;
    std::optional<std::uint32_t> m_textColour;
    std::optional<bool> m_opaque;
};

} // namespace gw::exports
