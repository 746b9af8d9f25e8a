#include "export/WmfWriter.h"

#include <algorithm>
#include <cstring>

namespace gw::exports {

namespace {

// Record functions.
constexpr std::uint16_t MetaEof = 0x0000;
constexpr std::uint16_t MetaSetBkMode = 0x0102;
constexpr std::uint16_t MetaSetMapMode = 0x0103;
constexpr std::uint16_t MetaSetTextAlign = 0x012E;
constexpr std::uint16_t MetaSelectObject = 0x012D;
constexpr std::uint16_t MetaDeleteObject = 0x01F0;
constexpr std::uint16_t MetaSetBkColor = 0x0201;
constexpr std::uint16_t MetaSetTextColor = 0x0209;
constexpr std::uint16_t MetaSetWindowOrg = 0x020B;
constexpr std::uint16_t MetaSetWindowExt = 0x020C;
constexpr std::uint16_t MetaLineTo = 0x0213;
constexpr std::uint16_t MetaMoveTo = 0x0214;
constexpr std::uint16_t MetaCreatePenIndirect = 0x02FA;
constexpr std::uint16_t MetaCreateFontIndirect = 0x02FB;
constexpr std::uint16_t MetaCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t MetaEllipse = 0x0418;
constexpr std::uint16_t MetaRectangle = 0x041B;
constexpr std::uint16_t MetaEscape = 0x0626;
constexpr std::uint16_t MetaPolyPolygon = 0x0538;
constexpr std::uint16_t MetaArc = 0x0817;
constexpr std::uint16_t MetaExtTextOut = 0x0A32;

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t MfComment = 15;
constexpr std::uint16_t MmAnisotropic = 8;
constexpr std::uint16_t Transparent = 1;
constexpr std::uint16_t Opaque = 2;
constexpr std::uint16_t TaBaseline = 24;
constexpr std::uint16_t PsSolid = 0;
constexpr std::uint16_t PsNull = 5;
constexpr std::uint16_t BsSolid = 0;
constexpr std::uint16_t BsNull = 1;
constexpr std::uint16_t EtoOpaque = 0x0002;
constexpr std::size_t FaceNameBytes = 32;
constexpr std::uint32_t White = 0x00FFFFFF;

// The placeable header's units per inch: the sheet's pixels over its physical size, so that a
// reader finds the same 0.01 mm the metafile's size is given in.
constexpr int PlaceableUnitsPerInch = static_cast<int>(MetafilePixelsPerInch * 2540 / PhysicalUnitsPerInch);
static_assert(PlaceableUnitsPerInch == 80);

void put16(std::vector<std::uint8_t> &out, int value)
{
    const auto word = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(word & 0xFF));
    out.push_back(static_cast<std::uint8_t>(word >> 8));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

} // namespace

// One record's parameters; the size and function are put in front when it is added.
class WmfWriter::Record
{
public:
    explicit Record(std::uint16_t function)
        : m_function(function)
    { }

    Record &word(int value)
    {
        put16(m_bytes, value);
        return *this;
    }
    Record &dword(std::uint32_t value)
    {
        put32(m_bytes, value);
        return *this;
    }
    Record &bytes(std::string_view text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        if (m_bytes.size() % 2)
            m_bytes.push_back(0);
        return *this;
    }

    std::uint16_t function() const { return m_function; }
    const std::vector<std::uint8_t> &parameters() const { return m_bytes; }

private:
    std::uint16_t m_function;
    std::vector<std::uint8_t> m_bytes;
};

WmfWriter::WmfWriter(const MetafileSize &size)
    : m_size(size)
{
    std::string comment = std::string(MetafileCreator) + '\0' + MetafileDescription + '\0' + '\0';
    add(Record(MetaEscape).word(MfComment).word(static_cast<int>(comment.size())).bytes(comment));
    add(Record(MetaSetMapMode).word(MmAnisotropic));
    add(Record(MetaSetWindowOrg).word(0).word(0));
    add(Record(MetaSetWindowExt).word(size.height).word(size.width));
    add(Record(MetaSetTextAlign).word(TaBaseline));
    add(Record(MetaSetBkColor).dword(White));
}

void WmfWriter::add(const Record &record)
{
    const std::uint32_t words = 3 + static_cast<std::uint32_t>(record.parameters().size() / 2);
    put32(m_records, words);
    put16(m_records, record.function());
    m_records.insert(m_records.end(), record.parameters().begin(), record.parameters().end());
    m_largestRecord = std::max(m_largestRecord, words);
}

void WmfWriter::replaceObject(Kind kind, const Record &creation)
{
    const auto free = std::find(m_slotsInUse.begin(), m_slotsInUse.end(), false);
    const int slot = static_cast<int>(free - m_slotsInUse.begin());
    if (free == m_slotsInUse.end())
        m_slotsInUse.push_back(true);
    else
        *free = true;
    add(creation);
    add(Record(MetaSelectObject).word(slot));
    if (const int old = m_selected[kind]; old >= 0) {
        add(Record(MetaDeleteObject).word(old));
        m_slotsInUse[static_cast<std::size_t>(old)] = false;
    }
    m_selected[kind] = slot;
}

void WmfWriter::setPenColour(std::uint32_t colour)
{
    if (m_pen == colour)
        return;
    m_pen = colour;
    m_nullPen = false;
    // Width 0 is one pixel whatever the mapping.
    replaceObject(Pen, Record(MetaCreatePenIndirect).word(PsSolid).word(0).word(0).dword(colour));
}

void WmfWriter::setBrushColour(std::uint32_t colour)
{
    if (m_brushChosen && m_brush == colour)
        return;
    m_brushChosen = true;
    m_brush = colour;
    replaceObject(Brush, Record(MetaCreateBrushIndirect).word(BsSolid).dword(colour).word(0));
}

void WmfWriter::setHollowBrush()
{
    if (m_brushChosen && !m_brush)
        return;
    m_brushChosen = true;
    m_brush.reset();
    replaceObject(Brush, Record(MetaCreateBrushIndirect).word(BsNull).dword(0).word(0));
}

void WmfWriter::setNullPen()
{
    if (m_nullPen)
        return;
    m_nullPen = true;
    m_pen.reset();
    replaceObject(Pen, Record(MetaCreatePenIndirect).word(PsNull).word(0).word(0).dword(0));
}

void WmfWriter::moveTo(PixelPoint point)
{
    add(Record(MetaMoveTo).word(point.y).word(point.x));
}

void WmfWriter::lineTo(PixelPoint point)
{
    add(Record(MetaLineTo).word(point.y).word(point.x));
}

void WmfWriter::rectangle(const PixelRect &box)
{
    add(Record(MetaRectangle).word(box.bottom).word(box.right).word(box.top).word(box.left));
}

void WmfWriter::ellipse(const PixelRect &box)
{
    add(Record(MetaEllipse).word(box.bottom).word(box.right).word(box.top).word(box.left));
}

void WmfWriter::polyPolygon(std::span<const std::vector<PixelPoint>> outlines)
{
    if (outlines.empty())
        return;
    Record record(MetaPolyPolygon);
    record.word(static_cast<int>(outlines.size()));
    for (const std::vector<PixelPoint> &outline : outlines)
        record.word(static_cast<int>(outline.size()));
    for (const std::vector<PixelPoint> &outline : outlines) {
        for (const PixelPoint &point : outline)
            record.word(point.x).word(point.y);
    }
    add(record);
}

void WmfWriter::arc(const PixelRect &box, PixelPoint start, PixelPoint end)
{
    add(Record(MetaArc)
            .word(end.y)
            .word(end.x)
            .word(start.y)
            .word(start.x)
            .word(box.bottom)
            .word(box.right)
            .word(box.top)
            .word(box.left));
}

void WmfWriter::setFont(const report::FontSpec &font, int pixelHeight)
{
    if (m_textColour != font.colour) {
        m_textColour = font.colour;
        add(Record(MetaSetTextColor).dword(font.colour));
    }
    if (m_font && *m_font == font && m_fontHeight == pixelHeight)
        return;
    m_font = font;
    m_fontHeight = pixelHeight;
    std::string face = font.name.substr(0, FaceNameBytes - 1);
    face.resize(FaceNameBytes, '\0');
    // A negative height asks for the em, not the cell, to be that tall.
    Record creation(MetaCreateFontIndirect);
    creation.word(-pixelHeight).word(0).word(0).word(0).word(font.bold ? 700 : 400);
    const char flags[8] = { static_cast<char>(font.italic), static_cast<char>(font.underline),
        static_cast<char>(font.strikeout), 0 /* ANSI character set */, 0, 0, 0, 0 };
    creation.bytes(std::string_view(flags, sizeof flags)).bytes(face);
    replaceObject(Font, creation);
}

void WmfWriter::setOpaqueText(bool opaque)
{
    if (m_opaque == opaque)
        return;
    m_opaque = opaque;
    add(Record(MetaSetBkMode).word(opaque ? Opaque : Transparent));
}

void WmfWriter::text(PixelPoint origin, std::string_view text, std::span<const int> advances)
{
    // A record holds at most 32767 characters; page texts are far shorter.
    const std::size_t count = std::min<std::size_t>({ text.size(), advances.size(), 32767 });
    if (count == 0)
        return;
    Record record(MetaExtTextOut);
    record.word(origin.y).word(origin.x).word(static_cast<int>(count)).word(m_opaque == true ? EtoOpaque : 0);
    if (m_opaque == true) {
        // The opaque box: the text's advance across, one em above and a third of one below.
        int width = 0;
        for (std::size_t i = 0; i < count; ++i)
            width += advances[i];
        record.word(origin.x)
            .word(origin.y - m_fontHeight)
            .word(origin.x + width)
            .word(origin.y + m_fontHeight / 3);
    }
    record.bytes(text.substr(0, count));
    for (std::size_t i = 0; i < count; ++i)
        record.word(advances[i]);
    add(record);
}

std::vector<std::uint8_t> WmfWriter::finish() const
{
    std::vector<std::uint8_t> file;
    // Placeable header: key, handle 0, bounding box, units per inch, reserved, then the
    // checksum, the exclusive or of the ten 16-bit words before it.
    put32(file, PlaceableKey);
    put16(file, 0);
    put16(file, 0);
    put16(file, 0);
    put16(file, m_size.width);
    put16(file, m_size.height);
    put16(file, PlaceableUnitsPerInch);
    put32(file, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < file.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(file[i] | file[i + 1] << 8);
    put16(file, checksum);

    constexpr std::uint32_t HeaderWords = 9;
    constexpr std::uint32_t EofWords = 3;
    const auto recordWords = static_cast<std::uint32_t>(m_records.size() / 2);
    put16(file, 1); // kept in memory, not on disk
    put16(file, HeaderWords);
    put16(file, 0x0300); // version 3
    put32(file, HeaderWords + recordWords + EofWords);
    put16(file, static_cast<int>(std::max<std::size_t>(m_slotsInUse.size(), 1)));
    put32(file, std::max(m_largestRecord, EofWords));
    put16(file, 0);
    file.insert(file.end(), m_records.begin(), m_records.end());
    put32(file, EofWords);
    put16(file, MetaEof);
    return file;
}

} // namespace gw::exports
