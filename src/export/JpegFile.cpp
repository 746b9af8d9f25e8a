#include "export/JpegFile.h"

#include "export/ExportFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// libjpeg's header needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace gw::exports {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the compressing function, which then gives up.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->back, 1);
}

// Compresses the RGB rows; only plain C objects live here, so a jump back leaks nothing but
// the memory buffer, which the caller frees.
bool compress(const QImage &rgb, int quality, unsigned char **buffer, unsigned long *size)
{
    jpeg_compress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.density_unit = 1; // dots per inch
    const auto dpi = static_cast<UINT16>(std::clamp(std::lround(rgb.dotsPerMeterX() * 0.0254), 1L, 65535L));
    info.X_density = dpi;
    info.Y_density = dpi;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::optional<int> readJpegFactor(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (value < LowestJpegFactor || value > HighestJpegFactor)
        return std::nullopt;
    return value;
}

std::optional<std::vector<std::uint8_t>> jpegBytes(const QImage &image, int quality)
{
    if (image.isNull())
        return std::nullopt;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const bool done = compress(rgb, std::clamp(quality, LowestJpegFactor, HighestJpegFactor), &buffer, &size);
    std::optional<std::vector<std::uint8_t>> bytes;
    if (done && buffer)
        bytes.emplace(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

Status writeJpeg(const QImage &image, const std::filesystem::path &file, int quality)
{
    const auto bytes = jpegBytes(image, quality);
    if (!bytes)
        return unableToWrite(file);
    return writeWholeFile(file, *bytes, unableToWrite(file));
}

} // namespace gw::exports
