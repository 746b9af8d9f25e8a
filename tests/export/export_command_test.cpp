#include "export/ExportTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace gw::test;

class ExportCommand : public ScratchFolderTest
{
protected:
    // Runs gridwright-cli export on record 0 of the sample collection in the test's folder.
    Outcome exportSample(const std::string &arguments)
    {
        return shell("cd " + quoted(dir()) + " && " + quoted(GW_CLI_PATH) + " export "
            + quoted(SampleCollection) + " 0 " + arguments);
    }
};

// The formats the picture and browser tests do not write through the command line.
TEST_F(ExportCommand, WritesEveryFormat)
{
    const std::tuple<const char *, const char *, std::string> formats[] = {
        { "--wmf p.wmf", "p.wmf", "\xD7\xCD\xC6\x9A" },
        { "--emf p.emf", "p.emf", " EMF" },
        { "--html p.htm", "p.htm", "<IMG SRC=\"p.JPG\"" },
        { "--ipuz p.ipuz", "p.ipuz", "http://ipuz.org/" },
        { "--puz p.puz", "p.puz", "ACROSS&DOWN" },
    };
    for (const auto &[arguments, name, mark] : formats) {
        const Outcome done = exportSample(arguments);
        EXPECT_EQ(done.status, 0) << arguments << "\n" << done.out;
        EXPECT_NE(gw::readFileBytes(dir() / name, ExportedBytes).value_or("").find(mark), std::string::npos)
            << name;
    }
}

// Depth, resolution and quality reach the pictures.
TEST_F(ExportCommand, PictureOptionsReachThePictures)
{
    ASSERT_EQ(exportSample("--bmp half.bmp --depth 8 --dpi 48").status, 0);
    const QImage half(QString::fromStdString((dir() / "half.bmp").string()));
    EXPECT_EQ(half.size(), QSize(408, 528));
    EXPECT_EQ(half.format(), QImage::Format_Indexed8);

    ASSERT_EQ(exportSample("--jpg q10.jpg --quality 10").status, 0);
    ASSERT_EQ(exportSample("--jpg q90.jpg --quality 90").status, 0);
    EXPECT_LT(fs::file_size(dir() / "q10.jpg"), fs::file_size(dir() / "q90.jpg"));
}

// Wrong option combinations and values are refused before anything is written.
TEST_F(ExportCommand, RefusesWrongOptions)
{
    const std::pair<const char *, const char *> cases[] = {
        { "", "give one of --wmf" },
        { "--wmf a.wmf --emf a.emf", "give one of --wmf" },
        { "--jpg a.jpg --quality 101", "the quality must be a whole number from 1 to 100: 101" },
        { "--bmp a.bmp --depth 16", "the depth must be 8 or 24: 16" },
        { "--bmp a.bmp --quality 50", "--quality belongs to --jpg and --html" },
        { "--wmf a.wmf --dpi 96", "--depth and --dpi belong to --bmp, --jpg and --html" },
        { "--bmp a.bmp --dpi 5", "the resolution must be a whole number from 10 to 1200: 5" },
        { "--bmp a.bmp --skeleton --boxes", "give --skeleton or --boxes, not both" },
    };
    for (const auto &[arguments, message] : cases) {
        const Outcome refused = exportSample(arguments);
        EXPECT_NE(refused.status, 0) << arguments;
        EXPECT_NE(refused.out.find(message), std::string::npos) << arguments << "\n" << refused.out;
    }
    EXPECT_TRUE(fs::is_empty(dir()));
}

} // namespace
