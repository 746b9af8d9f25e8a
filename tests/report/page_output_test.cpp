#include "report/PageImage.h"
#include "report/PdfOutput.h"
#include "report/PrinterOutput.h"
#include "report/RecordedPage.h"
#include "support/ShellRun.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace gw::report;
using gw::test::shell;

// A Letter page with a text, a red square from 4 to 5 inches and a blue line at 6 inches down.
class PageOutput : public gw::test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        m_page.setFont({ "Arial", 24 });
        m_page.printText(1, 2, "Gridwright page");
        m_page.setBrushColour(0x000000FF); // red
        m_page.fillRect({ 4, 4, 5, 5 });
        m_page.setPenColour(0x00FF0000); // blue
        m_page.moveTo(1, 6);
        m_page.lineTo(7, 6);
    }

    RecordedPage m_page { PageSetup {} };
};

// The page image covers the whole sheet at the asked resolution on white, with every
// operation where its inches say.
TEST_F(PageOutput, ImageAtAnyResolution)
{
    for (const double dpi : { 50.0, 100.0 }) {
        const QImage image = renderPageImage(m_page, dpi);
        const auto at = [&](double x, double y) { return image.pixelColor(int(x * dpi), int(y * dpi)); };
        ASSERT_EQ(image.size(), QSize(int(8.5 * dpi), int(11 * dpi)));
        EXPECT_EQ(at(4.5, 4.5), QColor(Qt::red));
        EXPECT_EQ(at(3.9, 4.5), QColor(Qt::white));
        EXPECT_EQ(at(3, 6), QColor(Qt::blue));
        int dark = 0;
        for (int x = int(dpi); x < int(3 * dpi); ++x)
            for (int y = int(1.7 * dpi); y < int(2 * dpi); ++y)
                dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        EXPECT_GT(dark, 10) << dpi;
    }
    EXPECT_EQ(renderPageImage(m_page, 1).width(), static_cast<int>(8.5 * SmallestImageDotsPerInch));
}

// Pictures and PDF files appear whole or not at all.
TEST_F(PageOutput, FilesWholeOrNotAtAll)
{
    ASSERT_TRUE(saveImage(renderPageImage(m_page, 30), dir() / "page.png", "PNG"));
    EXPECT_FALSE(QImage(QString::fromStdString(path("page.png"))).isNull());
    EXPECT_FALSE(saveImage(QImage(), dir() / "null.png", "PNG"));
    EXPECT_FALSE(fs::exists(dir() / "null.png"));
    EXPECT_FALSE(saveImage(renderPageImage(m_page, 30), dir() / "missing" / "page.png", "PNG"));
    EXPECT_FALSE(writePdf({}, dir() / "empty.pdf", "x"));
    EXPECT_FALSE(fs::exists(dir() / "empty.pdf"));
    EXPECT_FALSE(writePdf({ &m_page, 1 }, dir() / "missing" / "page.pdf", "x"));
}

// The PDF keeps the text as text on a sheet of the page's size.  A PDF file chosen in place of
// a printer gets every copy as a page of its own; the page range is held to the pages there are.
TEST_F(PageOutput, PdfChoiceKeepsEveryCopy)
{
    ASSERT_TRUE(writePdf({ &m_page, 1 }, dir() / "page.pdf", "Title"));
    PrinterChoice choice;
    choice.pdfFile = QString::fromStdString(path("printed.pdf"));
    EXPECT_EQ(maximumCopyCount(*choice.makePrinter()), 1);
    const std::vector<RecordedPage> pages { m_page };
    ASSERT_FALSE(printPages(choice, pages, 0, 9, 3, "Title"));
    const auto info = shell("pdfinfo " + path("page.pdf") + " && pdfinfo " + path("printed.pdf"));
    if (info.status == 127)
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_NE(info.out.find("612 x 792 pts"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Pages:           3"), std::string::npos) << info.out;
    for (const char *pdf : { "page.pdf", "printed.pdf" })
        EXPECT_NE(shell("pdftotext " + path(pdf) + " -").out.find("Gridwright page"), std::string::npos)
            << pdf;
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
