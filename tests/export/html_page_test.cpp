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

class HtmlPage : public ScratchFolderTest
{
};

// Empty blocks are left out; the rules and every block appear in their places, each block
// built from the inside out: size, bold, italic, centre.
TEST_F(HtmlPage, BlocksAndRulesTakeTheirPlaces)
{
    model::Settings settings = defaults();
    settings.firstHeader.text.clear();
    EXPECT_NE(
        exports::htmlPage(settings, "X.JPG")
            .find(" <BODY>\r\n  <CENTER><IMG SRC=\"X.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
                  " </BODY>"),
        std::string::npos);

    settings.firstHeader = { "H1", true, true, true, 1 };
    settings.secondHeader = { "H2", false, false, false, 2 };
    settings.firstFooter = { "F1", false, false, true, 6 };
    settings.secondFooter = { "F2", false, true, false, 7 };
    settings.horizontalUpper = true;
    settings.horizontalLower = true;
    const std::string full = exports::htmlPage(settings, "X.JPG");
    EXPECT_NE(full.find(" <BODY>\r\n"
                        "  <CENTER><I><B><FONT SIZE=1>H1</FONT></B></I></CENTER><P>\r\n"
                        "  <FONT SIZE=2>H2</FONT><P>\r\n"
                        "  <HR><P>\r\n"
                        "  <CENTER><IMG SRC=\"X.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
                        "  <HR><P>\r\n"
                        "  <CENTER><FONT SIZE=6>F1</FONT></CENTER><P>\r\n"
                        "  <I><FONT SIZE=7>F2</FONT></I><P>\r\n"
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

// A page named like its own picture would be overwritten by it: refused, nothing written.
TEST_F(HtmlPage, PageNamedLikeItsPictureIsRefused)
{
    QImage page(85, 110, QImage::Format_RGB32);
    page.fill(Qt::white);
    const auto failed = exports::writeHtmlExport(defaults(), dir() / "PAGE.JPG", page);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().text, "Unable to create html file.");
    EXPECT_FALSE(fs::exists(dir() / "PAGE.JPG"));
}

} // namespace
