#pragma once

#include "export/MetafileDevice.h"
#include "export/MetafileGeometry.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace gw::exports {

// An enhanced metafile made through libEMF.  Its device is the sheet's pixels, 96 per inch,
// with the physical size of the metafile's geometry: libEMF describes a screen of its own, so
// the header's bounds and device size are set to the sheet's once the file is closed.
class EmfWriter final : public MetafileDevice
{
public:
    explicit EmfWriter(const MetafileSize &size);
    ~EmfWriter() override;
    EmfWriter(const EmfWriter &) = delete;
    EmfWriter &operator=(const EmfWriter &) = delete;

    // False when libEMF could not start the metafile; nothing is drawn then.
    bool valid() const { return m_dc != 0; }

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

    // Closes the metafile and gives the whole file; nothing when it could not be written.
    std::optional<std::vector<std::uint8_t>> finish();

private:
    struct Handles;
    MetafileSize m_size;
    std::FILE *m_file = nullptr;
    unsigned m_dc = 0; // libEMF's device context handle; 0 = none
    std::unique_ptr<Handles> m_handles;
};

} // namespace gw::exports
