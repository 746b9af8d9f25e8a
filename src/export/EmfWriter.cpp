#include "export/EmfWriter.h"

#include "render/TextConversion.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <libEMF/emf.h>
#include <optional>

namespace gw::exports {

namespace {

// Offsets in the header record of an enhanced metafile.
constexpr std::size_t BoundsOffset = 8; // left, top, right, bottom, inclusive, device pixels
constexpr std::size_t DeviceOffset = 72; // width, height in pixels
constexpr std::size_t MillimetresOffset = 80;
constexpr std::size_t MicrometresOffset = 100;
constexpr std::size_t HeaderSize = 108;

constexpr std::uint32_t White = 0x00FFFFFF;
constexpr std::size_t FaceNameCharacters = 32;

HDC context(unsigned dc)
{
    return static_cast<HDC>(dc);
}

void patch32(std::vector<std::uint8_t> &file, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        file[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
}

} // namespace

// The objects selected into the metafile; each replaced one is deleted.
struct EmfWriter::Handles
{
    HGDIOBJ pen = 0;
    HGDIOBJ brush = 0;
    HGDIOBJ font = 0;
    std::optional<std::uint32_t> penColour; // none = not chosen, or the null pen
    bool nullPen = false;
    std::optional<std::uint32_t> brushColour;
    bool brushChosen = false;
    std::optional<report::FontSpec> fontSpec;
    int fontHeight = 0;
    std::optional<std::uint32_t> textColour;
    std::optional<bool> opaque;

    // Deletes what this metafile made, so libEMF's table keeps nothing after it is closed.
    void release()
    {
        for (HGDIOBJ *slot : { &pen, &brush, &font }) {
            if (*slot)
                DeleteObject(*slot);
            *slot = 0;
        }
    }

    void select(HDC dc, HGDIOBJ &slot, HGDIOBJ made)
    {
        SelectObject(dc, made);
        if (slot)
            DeleteObject(slot);
        slot = made;
    }
};

EmfWriter::EmfWriter(const MetafileSize &size)
    : m_size(size)
    , m_handles(std::make_unique<Handles>())
{
    m_file = std::tmpfile();
    if (!m_file)
        return;
    const RECT frame { 0, 0, size.physicalWidth, size.physicalHeight };
    const std::string description = std::string(MetafileCreator) + '\0' + MetafileDescription + '\0';
    m_dc = CreateEnhMetaFileWithFILEA(0, m_file, &frame, description.c_str());
    if (!m_dc)
        return;
    SetTextAlign(context(m_dc), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    SetBkColor(context(m_dc), White);
}

EmfWriter::~EmfWriter()
{
    m_handles->release();
    if (m_dc)
        DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(context(m_dc)));
    if (m_file)
        std::fclose(m_file);
}

void EmfWriter::setPenColour(std::uint32_t colour)
{
    if (!m_dc || m_handles->penColour == colour)
        return;
    m_handles->penColour = colour;
    m_handles->nullPen = false;
    m_handles->select(context(m_dc), m_handles->pen, CreatePen(PS_SOLID, 0, colour));
}

void EmfWriter::setBrushColour(std::uint32_t colour)
{
    if (!m_dc || (m_handles->brushChosen && m_handles->brushColour == colour))
        return;
    m_handles->brushChosen = true;
    m_handles->brushColour = colour;
    m_handles->select(context(m_dc), m_handles->brush, CreateSolidBrush(colour));
}

void EmfWriter::setHollowBrush()
{
    if (!m_dc || (m_handles->brushChosen && !m_handles->brushColour))
        return;
    m_handles->brushChosen = true;
    m_handles->brushColour.reset();
    LOGBRUSH hollow {};
    hollow.lbStyle = BS_NULL;
    m_handles->select(context(m_dc), m_handles->brush, CreateBrushIndirect(&hollow));
}

void EmfWriter::setNullPen()
{
    if (!m_dc || m_handles->nullPen)
        return;
    m_handles->nullPen = true;
    m_handles->penColour.reset();
    m_handles->select(context(m_dc), m_handles->pen, CreatePen(PS_NULL, 0, 0));
}

void EmfWriter::moveTo(PixelPoint point)
{
    if (m_dc)
        MoveToEx(context(m_dc), point.x, point.y, 0);
}

void EmfWriter::lineTo(PixelPoint point)
{
    if (m_dc)
        LineTo(context(m_dc), point.x, point.y);
}

void EmfWriter::rectangle(const PixelRect &box)
{
    if (m_dc)
        Rectangle(context(m_dc), box.left, box.top, box.right, box.bottom);
}

void EmfWriter::ellipse(const PixelRect &box)
{
    if (m_dc)
        Ellipse(context(m_dc), box.left, box.top, box.right, box.bottom);
}

void EmfWriter::polyPolygon(std::span<const std::vector<PixelPoint>> outlines)
{
    if (!m_dc || outlines.empty())
        return;
    std::vector<POINT> points;
    std::vector<INT> counts;
    for (const std::vector<PixelPoint> &outline : outlines) {
        counts.push_back(static_cast<INT>(outline.size()));
        for (const PixelPoint &point : outline)
            points.push_back({ point.x, point.y });
    }
    PolyPolygon(context(m_dc), points.data(), counts.data(), static_cast<UINT>(counts.size()));
}

void EmfWriter::arc(const PixelRect &box, PixelPoint start, PixelPoint end)
{
    if (m_dc)
        Arc(context(m_dc), box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

void EmfWriter::setFont(const report::FontSpec &font, int pixelHeight)
{
    if (!m_dc)
        return;
    if (m_handles->textColour != font.colour) {
        m_handles->textColour = font.colour;
        SetTextColor(context(m_dc), font.colour);
    }
    if (m_handles->fontSpec && *m_handles->fontSpec == font && m_handles->fontHeight == pixelHeight)
        return;
    m_handles->fontSpec = font;
    m_handles->fontHeight = pixelHeight;
    LOGFONTW logFont {};
    logFont.lfHeight = -pixelHeight; // the em, not the cell
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeout;
    logFont.lfCharSet = ANSI_CHARSET;
    const QString face = toQString(font.name).left(FaceNameCharacters - 1);
    std::copy_n(face.utf16(), face.size(), logFont.lfFaceName);
    m_handles->select(context(m_dc), m_handles->font, CreateFontIndirectW(&logFont));
}

void EmfWriter::setOpaqueText(bool opaque)
{
    if (!m_dc || m_handles->opaque == opaque)
        return;
    m_handles->opaque = opaque;
    SetBkMode(context(m_dc), opaque ? OPAQUE : TRANSPARENT);
}

void EmfWriter::text(PixelPoint origin, std::string_view text, std::span<const int> advances)
{
    if (!m_dc)
        return;
    // Windows-1252 has one UTF-16 unit per character, so the advances stay with their characters.
    const QString unicode = toQString(text);
    const std::size_t count
        = std::min<std::size_t>(static_cast<std::size_t>(unicode.size()), advances.size());
    if (count == 0)
        return;
    std::vector<INT> dx(advances.begin(), advances.begin() + static_cast<std::ptrdiff_t>(count));
    ExtTextOutW(context(m_dc), origin.x, origin.y, 0, 0, reinterpret_cast<LPCWSTR>(unicode.utf16()),
        static_cast<UINT>(count), dx.data());
}

std::optional<std::vector<std::uint8_t>> EmfWriter::finish()
{
    if (!m_dc)
        return std::nullopt;
    m_handles->release();
    DeleteEnhMetaFile(CloseEnhMetaFileWithFILE(context(m_dc)));
    m_dc = 0;
    std::vector<std::uint8_t> file;
    if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_END) != 0)
        return std::nullopt;
    const long length = std::ftell(m_file);
    if (length < static_cast<long>(HeaderSize) || std::fseek(m_file, 0, SEEK_SET) != 0)
        return std::nullopt;
    file.resize(static_cast<std::size_t>(length));
    if (std::fread(file.data(), 1, file.size(), m_file) != file.size())
        return std::nullopt;
    patch32(file, BoundsOffset, 0);
    patch32(file, BoundsOffset + 4, 0);
    patch32(file, BoundsOffset + 8, m_size.width - 1);
    patch32(file, BoundsOffset + 12, m_size.height - 1);
    patch32(file, DeviceOffset, m_size.width);
    patch32(file, DeviceOffset + 4, m_size.height);
    patch32(file, MillimetresOffset, (m_size.physicalWidth + 50) / 100);
    patch32(file, MillimetresOffset + 4, (m_size.physicalHeight + 50) / 100);
    patch32(file, MicrometresOffset, m_size.physicalWidth * 10);
    patch32(file, MicrometresOffset + 4, m_size.physicalHeight * 10);
    return file;
}

} // namespace gw::exports
