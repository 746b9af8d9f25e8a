#include "report/PageImage.h"
#include "report/PdfOutput.h"
#include "report/PrinterOutput.h"
#include "report/RecordedPage.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace gw::report;

// Output of a command run through the shell, or nothing when it did not run.
std::string commandOutput(const std::string &command)
{
    FILE *pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return {};
    std::string out;
    std::array<char, 4096> buffer {};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), got);
    return ::pclose(pipe) == 0 ? out : std::string {};
}

class PageOutput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("gw-report-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        FontSpec font;
        font.name = "Arial";
        font.size = 24;
        m_page.setFont(font);
        m_page.printText(1, 2, "Gridwright page");
        m_page.setBrushColour(0x000000FF); // red
        m_page.fillRect({ 4, 4, 5, 5 });
        m_page.setPenColour(0x00FF0000); // blue
        m_page.moveTo(1, 6);
        m_page.lineTo(7, 6);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
    RecordedPage m_page { PageSetup {} };
};

// The page image covers the whole sheet at the asked resolution on white, with every
// operation where its inches say.
TEST_F(PageOutput, ImageAtAnyResolution)
{
    for (const double dpi : { 50.0, 100.0 }) {
        const QImage image = renderPageImage(m_page, dpi);
        ASSERT_EQ(image.width(), static_cast<int>(8.5 * dpi));
        ASSERT_EQ(image.height(), static_cast<int>(11 * dpi));
        EXPECT_EQ(
            image.pixelColor(static_cast<int>(4.5 * dpi), static_cast<int>(4.5 * dpi)), QColor(Qt::red));
        EXPECT_EQ(
            image.pixelColor(static_cast<int>(3.9 * dpi), static_cast<int>(4.5 * dpi)), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(static_cast<int>(3 * dpi), static_cast<int>(6 * dpi)), QColor(Qt::blue));
        int dark = 0;
        for (int x = static_cast<int>(dpi); x < static_cast<int>(3 * dpi); ++x)
            for (int y = static_cast<int>(1.7 * dpi); y < static_cast<int>(2 * dpi); ++y)
                dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        EXPECT_GT(dark, 10) << dpi;
    }
    EXPECT_EQ(renderPageImage(m_page, 1).width(), static_cast<int>(8.5 * SmallestImageDotsPerInch));
}

// Pictures and PDF files appear whole or not at all.
TEST_F(PageOutput, FilesWholeOrNotAtAll)
{
    const fs::path png = m_dir / "page.png";
    ASSERT_TRUE(saveImage(renderPageImage(m_page, 30), png, "PNG"));
    EXPECT_FALSE(QImage(QString::fromStdString(png.string())).isNull());
    EXPECT_FALSE(saveImage(QImage(), m_dir / "null.png", "PNG"));
    EXPECT_FALSE(fs::exists(m_dir / "null.png"));
    EXPECT_FALSE(saveImage(renderPageImage(m_page, 30), m_dir / "missing" / "page.png", "PNG"));
    EXPECT_FALSE(writePdf({}, m_dir / "empty.pdf", "x"));
    EXPECT_FALSE(fs::exists(m_dir / "empty.pdf"));
    EXPECT_FALSE(writePdf({ &m_page, 1 }, m_dir / "missing" / "page.pdf", "x"));
}

// The PDF keeps the text as text on a sheet of the page's size.
TEST_F(PageOutput, PdfKeepsTextAndSheet)
{
    const fs::path pdf = m_dir / "page.pdf";
    ASSERT_TRUE(writePdf({ &m_page, 1 }, pdf, "Title"));
    const std::string text = commandOutput("pdftotext " + pdf.string() + " -");
    const std::string info = commandOutput("pdfinfo " + pdf.string());
    if (text.empty() || info.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_NE(text.find("Gridwright page"), std::string::npos);
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;
}

// A PDF file chosen in place of a printer gets every copy as a page of its own; the page range
// is held to the pages there are.
TEST_F(PageOutput, PdfChoiceKeepsEveryCopy)
{
    const fs::path pdf = m_dir / "printed.pdf";
    PrinterChoice choice;
    choice.pdfFile = QString::fromStdString(pdf.string());
    EXPECT_EQ(maximumCopyCount(*choice.makePrinter()), 1);
    const std::vector<RecordedPage> pages { m_page };
    ASSERT_FALSE(printPages(choice, pages, 0, 9, 3, "Title"));
    const std::string info = commandOutput("pdfinfo " + pdf.string());
    if (info.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(commandOutput("pdftotext " + pdf.string() + " -").find("Gridwright page"), std::string::npos);
}

// Without a printer a job said only "Unable to print the puzzle.": it names the cause and marks
// the printer as unavailable, so that the pages can go into a PDF file instead.
TEST_F(PageOutput, MissingPrinterIsNamed)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed";
    const std::vector<RecordedPage> pages { m_page };
    const std::pair<QString, std::string> cases[] = {
        { "", "No printer is installed." },
        { "Gone", "The printer \"Gone\" is not installed." },
    };
    for (const auto &[name, cause] : cases) {
        PrinterChoice choice;
        choice.printerName = name;
        const auto failed = printPages(choice, pages, 1, 1, 1, "Title");
        ASSERT_TRUE(failed);
        EXPECT_TRUE(failed->printerUnavailable);
        EXPECT_EQ(failed->failure, (gw::Failure { "Printer", cause }));
    }
}

} // namespace
