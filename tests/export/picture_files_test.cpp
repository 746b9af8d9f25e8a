#include "export/BitmapFile.h"
#include "export/ExportTestSupport.h"
#include "export/JpegFile.h"
#include "report/PageImage.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace gw;
using namespace gw::test;

std::uint32_t read32(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

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

// The bitmap layout a reader relies on: headers, palette, rows bottom-up padded to 4 bytes.
TEST_F(PictureFiles, BitmapRowsRunBottomUpPaddedToFourBytes)
{
    const std::vector<std::uint8_t> full = exports::bmpBytes(testImage(), 24);
    ASSERT_GE(full.size(), 54u);
    EXPECT_EQ(full[0], 'B');
    EXPECT_EQ(full[1], 'M');
    EXPECT_EQ(read32(full, 2), full.size());
    EXPECT_EQ(read32(full, 10), 54u);
    EXPECT_EQ(read32(full, 18), 13u);
    EXPECT_EQ(read32(full, 22), 7u) << "positive height: bottom-up";
    EXPECT_EQ(full[28], 24);
    EXPECT_EQ(full.size(), 54u + 40 * 7) << "13 x 3 bytes padded to 40";
    // The last row in the file is the top row: red first, in blue-green-red order.
    const std::size_t top = 54 + 40 * 6;
    EXPECT_EQ(full[top], 0);
    EXPECT_EQ(full[top + 1], 0);
    EXPECT_EQ(full[top + 2], 255);
    EXPECT_EQ(full[top + 39], 0) << "padding";
    EXPECT_EQ(full[54 + 12 * 3], 255) << "bottom-right blue, first row in the file";

    const std::vector<std::uint8_t> indexed = exports::bmpBytes(testImage(), 8);
    ASSERT_GE(indexed.size(), 54u);
    EXPECT_EQ(indexed[28], 8);
    EXPECT_EQ(read32(indexed, 10), 54u + 1024) << "after the 256-entry palette";
    EXPECT_EQ(read32(indexed, 46), 256u);
    EXPECT_EQ(indexed.size(), 54u + 1024 + 16 * 7) << "13 bytes padded to 16";
    EXPECT_TRUE(exports::bmpBytes(QImage(), 24).empty());
}

// Qt and ImageMagick read both depths back at their size and depth, the 24-bit one exactly.
TEST_F(PictureFiles, ReadersTakeBothBitmapDepthsBack)
{
    ASSERT_TRUE(exports::writeBmp(testImage(), dir() / "full.bmp", 24));
    ASSERT_TRUE(exports::writeBmp(testImage(), dir() / "palette.bmp", 8));
    const QImage full(QString::fromStdString((dir() / "full.bmp").string()));
    ASSERT_FALSE(full.isNull());
    EXPECT_EQ(full.size(), QSize(13, 7));
    EXPECT_EQ(full.convertToFormat(QImage::Format_RGB32), testImage());
    const QImage palette(QString::fromStdString((dir() / "palette.bmp").string()));
    ASSERT_FALSE(palette.isNull());
    EXPECT_EQ(palette.size(), QSize(13, 7));
    EXPECT_EQ(palette.format(), QImage::Format_Indexed8);
    EXPECT_EQ(palette.pixel(0, 0), qRgb(255, 0, 0)) << "a pure colour keeps its palette entry";

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

// 256 colours at most for the 8-bit depth, the full picture for 24.
TEST_F(PictureFiles, ColourDepthFollowsThePixelFormatSetting)
{
    EXPECT_EQ(exports::bitsPerPixelOf(1), 24);
    EXPECT_EQ(exports::bitsPerPixelOf(2), 8);
    EXPECT_EQ(exports::bitsPerPixelOf(0), 24);
    QImage many(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            many.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    }
    const QImage reduced = exports::inColourDepth(many, 8);
    EXPECT_EQ(reduced.format(), QImage::Format_Indexed8);
    EXPECT_LE(reduced.colorCount(), 256);
    EXPECT_EQ(exports::inColourDepth(many, 24).format(), QImage::Format_RGB888);
}

// The quality factor reaches libjpeg: a lower one gives a smaller file, which readers open at
// the picture's size and report at that quality.
TEST_F(PictureFiles, LowerJpegQualityGivesSmallerFileReadBackAtItsSize)
{
    const PrintedSample sample(0);
    ASSERT_TRUE(sample.job);
    const QImage image = report::renderPageImage(sample.page(), 96);
    ASSERT_TRUE(exports::writeJpeg(image, dir() / "q10.jpg", 10));
    ASSERT_TRUE(exports::writeJpeg(image, dir() / "q90.jpg", 90));
    EXPECT_LT(fs::file_size(dir() / "q10.jpg"), fs::file_size(dir() / "q90.jpg"));
    const QImage back(QString::fromStdString((dir() / "q90.jpg").string()));
    EXPECT_EQ(back.size(), QSize(816, 1056));
    EXPECT_FALSE(exports::jpegBytes(QImage(), 50).has_value());

    if (!haveProgram("identify"))
        GTEST_SKIP() << "identify (imagemagick) is not installed";
    const Outcome seen = shell(
        "identify -format '%m %w %h %Q\\n' " + quoted(dir() / "q10.jpg") + " " + quoted(dir() / "q90.jpg"));
    EXPECT_EQ(seen.out, "JPEG 816 1056 10\nJPEG 816 1056 90\n");
}

// "0" and "101" are refused, "1" and "100" taken; blanks around the number do not matter.
TEST_F(PictureFiles, JpegFactorMustLieFromOneToHundred)
{
    EXPECT_EQ(exports::readJpegFactor("1"), 1);
    EXPECT_EQ(exports::readJpegFactor("100"), 100);
    EXPECT_EQ(exports::readJpegFactor("  75 "), 75);
    for (const char *refused : { "0", "101", "", "abc", "12abc", "-5", "5 5" })
        EXPECT_FALSE(exports::readJpegFactor(refused).has_value()) << refused;
    EXPECT_EQ(exports::invalidJpegFactor().text, "Invalid factor entered.  Factor must be between 1 and 100");
}

// The page image at zoom 50 % is half as wide as at 100 %, and so is its bitmap.
TEST_F(PictureFiles, BitmapAtHalfZoomIsHalfAsWide)
{
    const PrintedSample sample(0);
    ASSERT_TRUE(sample.job);
    const std::vector<std::uint8_t> whole = exports::bmpBytes(report::renderPageImage(sample.page(), 96), 24);
    const std::vector<std::uint8_t> half = exports::bmpBytes(report::renderPageImage(sample.page(), 48), 24);
    ASSERT_FALSE(whole.empty());
    ASSERT_FALSE(half.empty());
    EXPECT_EQ(read32(whole, 18), 816u);
    EXPECT_EQ(read32(half, 18), 408u);
}

} // namespace
