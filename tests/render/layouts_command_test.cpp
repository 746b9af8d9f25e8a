#include "support/ShellRun.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using gw::test::Outcome;
using gw::test::shell;

const fs::path Sample = fs::path(GW_SOURCE_DIR) / "data" / "SAMPLE.ZP3";
const fs::path Library = fs::path(GW_SOURCE_DIR) / "data" / "ZPFPAGE.DAT";

// The command-line tool's "layouts" and "print --layout", run in a directory of their own,
// where they look for GRIDW3.INI.
class LayoutsCommand : public gw::test::ScratchFolderTest
{
protected:
    Outcome cli(const std::string &arguments) const
    {
        return shell("cd " + dir().string() + " && " + GW_CLI_PATH + " " + arguments);
    }
};

// Sorted as the chooser lists them, each with its record number, the default marked.
TEST_F(LayoutsCommand, ListsTheLibraryAsTheChooser)
{
    const Outcome listed = cli("layouts --library " + Library.string());
    ASSERT_EQ(listed.status, 0) << listed.out;
    EXPECT_EQ(listed.out,
        "1\tClassic A4 (A4)\n"
        "0\tClassic Letter (Letter)  <<DEFAULT>>\n"
        "4\tCombined Clues (A4)\n"
        "5\tLandscape Letter (Letter)\n"
        "6\tSkeleton Letter (Letter)\n"
        "2\tTwo Column Clues (Letter)\n"
        "3\tWord List (Letter)\n");

    std::ofstream(path("GRIDW3.INI")) << "[Page Layout]\nDefault Page=3\n";
    const Outcome moved = cli("layouts --library " + Library.string());
    EXPECT_NE(moved.out.find("3\tWord List (Letter)  <<DEFAULT>>\n"), std::string::npos) << moved.out;
    EXPECT_NE(moved.out.find("0\tClassic Letter (Letter)\n"), std::string::npos) << moved.out;

    std::ofstream(path("EMPTY.DAT")).flush();
    const Outcome empty = cli("layouts --library " + path("EMPTY.DAT"));
    EXPECT_NE(empty.status, 0);
    EXPECT_NE(empty.out.find("No saved page layouts could be found."), std::string::npos) << empty.out;
    EXPECT_NE(cli("layouts extra").status, 0);
}

// "--layout 5" prints the portrait sample puzzle on the landscape Letter layout instead.
TEST_F(LayoutsCommand, PrintsWithALibraryLayout)
{
    const Outcome own = cli("print " + Sample.string() + " 0 --png " + path("own.png") + " --dpi 20");
    ASSERT_EQ(own.status, 0) << own.out;
    const QImage portrait(QString::fromStdString(path("own.png")));
    EXPECT_LT(portrait.width(), portrait.height());

    const Outcome landscape = cli("print " + Sample.string() + " 0 --png " + path("wide.png")
        + " --dpi 20 --layout 5 " + "--library " + Library.string());
    ASSERT_EQ(landscape.status, 0) << landscape.out;
    const QImage wide(QString::fromStdString(path("wide.png")));
    EXPECT_GT(wide.width(), wide.height());

    for (const char *number : { "7", "x", "-1" }) {
        const Outcome refused = cli("print " + Sample.string() + " 0 --pdf " + path("out.pdf") + " --layout "
            + std::string(number) + " --library " + Library.string());
        EXPECT_NE(refused.status, 0) << number;
        EXPECT_NE(refused.out.find("layout"), std::string::npos) << refused.out;
    }
    EXPECT_FALSE(fs::exists(path("out.pdf")));
}

int darkPixels(const QImage &page)
{
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    return dark;
}

// "--skeleton" printed the same page as without it and nothing turned the filled boxes on: each
// now forces its style over the layout's, on the filled layout 0 and the skeleton layout 6.
TEST_F(LayoutsCommand, SkeletonAndBoxesOverrideTheLayout)
{
    const auto page = [&](const std::string &layout, const std::string &style) {
        const std::string png = path("page" + layout + style + ".png");
        const Outcome printed = cli("print " + Sample.string() + " 0 --png " + png + " --dpi 30 --layout "
            + layout + " --library " + Library.string() + " " + style);
        EXPECT_EQ(printed.status, 0) << printed.out;
        return QImage(QString::fromStdString(png));
    };
    for (const std::string layout : { "0", "6" }) {
        const QImage skeleton = page(layout, "--skeleton");
        const QImage boxes = page(layout, "--boxes");
        EXPECT_GT(darkPixels(boxes), darkPixels(skeleton)) << layout;
        EXPECT_EQ(page(layout, ""), layout == "0" ? boxes : skeleton) << layout;
    }
    const Outcome both
        = cli("print " + Sample.string() + " 0 --pdf " + path("out.pdf") + " --skeleton --boxes");
    EXPECT_NE(both.status, 0);
    EXPECT_NE(both.out.find("give --skeleton or --boxes, not both"), std::string::npos) << both.out;
    EXPECT_FALSE(fs::exists(path("out.pdf")));
}

} // namespace
