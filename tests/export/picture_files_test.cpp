#include "export/BitmapFile.h"
#include "export/ExportTestSupport.h"
#include "export/JpegFile.h"
#include "report/PageImage.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace gw;
using namespace gw::test;

// 13 x 7: an odd width, so that every row needs padding; red at the top-left corner, blue at
// the bottom-right, a colour ramp between.
QImage testImage()
{
    QImage image(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 19, y * 36, 128));
    }
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(12, 6, qRgb(0, 0, 255));
    return image;
}

class PictureFiles : public ScratchFolderTest
{
};

// Qt and ImageMagick read both depths back at their size and depth, the 24-bit one exactly.
TEST_F(PictureFiles, ReadersTakeBothBitmapDepthsBack)
{
    ASSERT_TRUE(exports::writeBmp(testImage(), dir() / "full.bmp", 24));
    ASSERT_TRUE(exports::writeBmp(testImage(), dir() / "palette.bmp", 8));
    EXPECT_TRUE(exports::bmpBytes(QImage(), 24).empty());
    EXPECT_EQ(exports::bitsPerPixelOf(0), 24) << "a \"Pixel Format\" other than 2 is the full picture";
    for (const int depth : { 24, 8 }) {
        // The readers below ignore the file size in the header; others rely on it.
        const std::vector<std::uint8_t> bytes = exports::bmpBytes(testImage(), depth);
        EXPECT_EQ(bytes[2] | bytes[3] << 8 | bytes[4] << 16 | bytes[5] << 24, int(bytes.size())) << depth;
    }
    const QImage full(QString::fromStdString((dir() / "full.bmp").string()));
    ASSERT_FALSE(full.isNull());
    EXPECT_EQ(full.convertToFormat(QImage::Format_RGB32), testImage());
    const QImage palette(QString::fromStdString((dir() / "palette.bmp").string()));
    ASSERT_FALSE(palette.isNull());
    EXPECT_EQ(palette.size(), QSize(13, 7));
    EXPECT_EQ(palette.format(), QImage::Format_Indexed8);
    EXPECT_EQ(palette.pixel(0, 0), qRgb(255, 0, 0)) << "a pure colour keeps its palette entry";
    EXPECT_EQ(palette.pixel(12, 6), qRgb(0, 0, 255)) << "the bottom row is the first in the file";

    if (!haveProgram("identify"))
        GTEST_SKIP() << "identify (imagemagick) is not installed";
    const Outcome seen = shell("identify -format '%m %w %h %r\\n' " + quoted(dir() / "full.bmp") + " "
        + quoted(dir() / "palette.bmp"));
    ASSERT_EQ(seen.status, 0) << seen.out;
    const auto found = lines(seen.out);
    ASSERT_EQ(found.size(), 2u) << seen.out;
    EXPECT_EQ(found[0].rfind("BMP3 13 7 DirectClass", 0), 0u) << found[0];
    EXPECT_EQ(found[1].rfind("BMP3 13 7 PseudoClass", 0), 0u) << found[1];
}

// The quality factor reaches libjpeg: a lower one gives a smaller file, which readers open at
// the picture's size and report at that quality.
TEST_F(PictureFiles, LowerJpegQualityGivesSmallerFileReadBackAtItsSize)
{
    const SamplePage sample;
    ASSERT_TRUE(sample.printed);
    const QImage image = report::renderPageImage(sample.page(), 96);
    ASSERT_TRUE(exports::writeJpeg(image, dir() / "q10.jpg", 10));
    ASSERT_TRUE(exports::writeJpeg(image, dir() / "q90.jpg", 90));
    EXPECT_LT(fs::file_size(dir() / "q10.jpg"), fs::file_size(dir() / "q90.jpg"));
    EXPECT_EQ(QImage(QString::fromStdString((dir() / "q90.jpg").string())).size(), QSize(816, 1056));
    EXPECT_FALSE(exports::jpegBytes(QImage(), 50).has_value());

    if (!haveProgram("identify"))
        GTEST_SKIP() << "identify (imagemagick) is not installed";
    const Outcome seen = shell(
        "identify -format '%m %w %h %Q\\n' " + quoted(dir() / "q10.jpg") + " " + quoted(dir() / "q90.jpg"));
    EXPECT_EQ(seen.out, "JPEG 816 1056 10\nJPEG 816 1056 90\n");
}

} // namespace
