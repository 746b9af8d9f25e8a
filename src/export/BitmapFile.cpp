#include "export/BitmapFile.h"

#include "export/ExportFile.h"

#include <cmath>

namespace gw::exports {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr int PaletteEntries = 256;
constexpr int DefaultDotsPerMeter = 3780; // 96 per inch

void put16(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

int bitsPerPixelOf(int pixelFormat)
{
    return pixelFormat == 2 ? 8 : 24;
}

QImage inColourDepth(const QImage &image, int bitsPerPixel)
{
    if (image.isNull())
        return image;
    if (bitsPerPixel == 8)
        return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return image.convertToFormat(QImage::Format_RGB888);
}

std::vector<std::uint8_t> bmpBytes(const QImage &source, int bitsPerPixel)
{
    const QImage image = inColourDepth(source, bitsPerPixel == 8 ? 8 : 24);
    if (image.isNull())
        return {};
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = ((indexed ? width : width * 3) + 3) / 4 * 4;
    const std::uint32_t paletteBytes = indexed ? PaletteEntries * 4 : 0;
    const std::uint32_t offset = FileHeaderSize + InfoHeaderSize + paletteBytes;
    const std::uint32_t imageBytes = rowBytes * height;
    const auto dotsPerMeter
        = [](int value) { return static_cast<std::uint32_t>(value > 0 ? value : DefaultDotsPerMeter); };

    std::vector<std::uint8_t> file;
    file.reserve(offset + imageBytes);
    file.push_back('B');
    file.push_back('M');
    put32(file, offset + imageBytes);
    put32(file, 0);
    put32(file, offset);

    put32(file, InfoHeaderSize);
    put32(file, width);
    put32(file, height); // positive: the rows run bottom-up
    put16(file, 1);
    put16(file, indexed ? 8 : 24);
    put32(file, 0); // uncompressed
    put32(file, imageBytes);
    put32(file, dotsPerMeter(image.dotsPerMeterX()));
    put32(file, dotsPerMeter(image.dotsPerMeterY()));
    put32(file, indexed ? PaletteEntries : 0);
    put32(file, 0);

    if (indexed) {
        const QList<QRgb> table = image.colorTable();
        for (int i = 0; i < PaletteEntries; ++i) {
            const QRgb colour = i < table.size() ? table[i] : qRgb(0, 0, 0);
            file.push_back(static_cast<std::uint8_t>(qBlue(colour)));
            file.push_back(static_cast<std::uint8_t>(qGreen(colour)));
            file.push_back(static_cast<std::uint8_t>(qRed(colour)));
            file.push_back(0);
        }
    }
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const uchar *line = image.constScanLine(y);
        const std::size_t rowStart = file.size();
        if (indexed) {
            file.insert(file.end(), line, line + width);
        } else {
            for (std::uint32_t x = 0; x < width; ++x) {
                file.push_back(line[x * 3 + 2]);
                file.push_back(line[x * 3 + 1]);
                file.push_back(line[x * 3]);
            }
        }
        file.resize(rowStart + rowBytes, 0);
    }
    return file;
}

Status writeBmp(const QImage &image, const std::filesystem::path &file, int bitsPerPixel)
{
    const std::vector<std::uint8_t> bytes = bmpBytes(image, bitsPerPixel);
    if (bytes.empty())
        return unableToWrite(file);
    return writeWholeFile(file, bytes, unableToWrite(file));
}

} // namespace gw::exports
