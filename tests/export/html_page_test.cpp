#include "export/ExportTestSupport.h"
#include "export/HtmlPage.h"
#include "model/Settings.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace gw;
using namespace gw::test;

// The settings a first start has: every default of the "HTML" section.
model::Settings defaults()
{
    return model::loadSettings("/nonexistent/GRIDW3.INI", "/nonexistent");
}

QImage smallPage()
{
    QImage image(85, 110, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

class HtmlPage : public ScratchFolderTest
{
};

// A block line is built from the inside out: size, bold, italic, centre.
TEST_F(HtmlPage, BlockLinesAreBuiltFromTheInsideOut)
{
    EXPECT_EQ(exports::htmlBlockLine(defaults().firstHeader),
        "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>");
    EXPECT_EQ(exports::htmlBlockLine({ "Solve it", true, true, false, 5 }),
        "  <I><B><FONT SIZE=5>Solve it</FONT></B></I><P>");
    EXPECT_EQ(exports::htmlBlockLine({ "a < b\r\nnext", false, false, false, 3 }),
        "  <FONT SIZE=3>a < b\r\nnext</FONT><P>")
        << "the text goes in unchanged, line breaks and less-than signs included";
}

// The whole page with the defaults, byte for byte.
TEST_F(HtmlPage, DefaultPageIsWrittenByteForByte)
{
    EXPECT_EQ(exports::htmlPage(defaults(), "PUZZLE.JPG"),
        "<HTML>\r\n"
        " <HEAD>\r\n"
        "  <TITLE>Crossword Puzzle</TITLE>\r\n"
        "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenfold / Gridwright 97\">\r\n"
        " </HEAD>\r\n"
        " <BODY>\r\n"
        "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n"
        "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
        " </BODY>\r\n"
        "</HTML>\r\n");
}

// Empty blocks are left out; the rules and every block appear in their places.
TEST_F(HtmlPage, BlocksAndRulesTakeTheirPlaces)
{
    model::Settings settings = defaults();
    settings.firstHeader.text.clear();
    const std::string bare = exports::htmlPage(settings, "X.JPG");
    EXPECT_NE(
        bare.find(
            " <BODY>\r\n  <CENTER><IMG SRC=\"X.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n </BODY>"),
        std::string::npos)
        << bare;

    settings.firstHeader = { "H1", false, false, false, 1 };
    settings.secondHeader = { "H2", false, false, false, 2 };
    settings.firstFooter = { "F1", false, false, false, 6 };
    settings.secondFooter = { "F2", false, false, false, 7 };
    settings.horizontalUpper = true;
    settings.horizontalLower = true;
    const std::string full = exports::htmlPage(settings, "X.JPG");
    EXPECT_NE(full.find(" <BODY>\r\n"
                        "  <FONT SIZE=1>H1</FONT><P>\r\n"
                        "  <FONT SIZE=2>H2</FONT><P>\r\n"
                        "  <HR><P>\r\n"
                        "  <CENTER><IMG SRC=\"X.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
                        "  <HR><P>\r\n"
                        "  <FONT SIZE=6>F1</FONT><P>\r\n"
                        "  <FONT SIZE=7>F2</FONT><P>\r\n"
                        " </BODY>\r\n"),
        std::string::npos)
        << full;
}

// The picture is named after the page: its last three characters become "JPG", whatever the
// extension was.
TEST_F(HtmlPage, PictureNameReplacesTheLastThreeCharacters)
{
    EXPECT_EQ(exports::pictureName("/some/folder/PUZZLE.htm"), "PUZZLE.JPG");
    EXPECT_EQ(exports::pictureName("X.html"), "X.hJPG");
    EXPECT_EQ(exports::pictureName("ab"), "JPG");
}

// Saving keeps at most 999 characters of a block and 100 of the trimmed title.
TEST_F(HtmlPage, StoredTextsAreCutToTheirCapacity)
{
    model::Settings settings = defaults();
    const std::string title(120, 't');
    exports::storeHtmlTexts(settings, std::string(1200, 'h'), "second", "", "last", "  " + title + "  ");
    EXPECT_EQ(settings.firstHeader.text.size(), 999u);
    EXPECT_EQ(settings.secondHeader.text, "second");
    EXPECT_EQ(settings.firstFooter.text, "");
    EXPECT_EQ(settings.secondFooter.text, "last");
    EXPECT_EQ(settings.webTitle, title.substr(0, 100));
    EXPECT_NE(exports::htmlPage(settings, "X.JPG").find("<TITLE>" + title.substr(0, 100) + "</TITLE>"),
        std::string::npos);
}

// Saving writes the page and, beside it, the JPEG it names; a page that cannot be created is
// reported and leaves no picture.
TEST_F(HtmlPage, ExportWritesThePageAndItsPictureBesideIt)
{
    const model::Settings settings = defaults();
    ASSERT_TRUE(exports::writeHtmlExport(settings, dir() / "PUZZLE.htm", smallPage()));
    EXPECT_EQ(fileBytes(dir() / "PUZZLE.htm"), exports::htmlPage(settings, "PUZZLE.JPG"));
    const QImage picture(QString::fromStdString((dir() / "PUZZLE.JPG").string()));
    EXPECT_EQ(picture.size(), QSize(85, 110));

    const auto failed = exports::writeHtmlExport(settings, dir() / "missing" / "P.htm", smallPage());
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), (Failure { "Error", "Unable to create html file." }));
    EXPECT_FALSE(fs::exists(dir() / "missing" / "P.JPG"));
}

// A page named like its own picture would be overwritten by it: refused, nothing written.
TEST_F(HtmlPage, PageNamedLikeItsPictureIsRefused)
{
    const auto failed = exports::writeHtmlExport(defaults(), dir() / "PAGE.JPG", smallPage());
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().text, "Unable to create html file.");
    EXPECT_FALSE(fs::exists(dir() / "PAGE.JPG"));
}

} // namespace
