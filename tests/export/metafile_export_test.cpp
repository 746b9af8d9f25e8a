#include "export/ExportTestSupport.h"
#include "export/MetafileExport.h"
#include "layout/LayoutRecord.h"
#include "report/PageSetup.h"
#include "report/RecordedPage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

namespace {

using namespace gw;
using namespace gw::test;

std::uint32_t read32(const std::string &bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

std::uint16_t read16(const std::string &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(
        static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// The record functions of a placeable metafile, in order.
std::vector<std::uint16_t> wmfFunctions(const std::string &file)
{
    std::vector<std::uint16_t> found;
    for (std::size_t at = 22 + 18; at + 6 <= file.size();) {
        const std::uint32_t words = read32(file, at);
        found.push_back(read16(file, at + 4));
        if (words < 3)
            break;
        at += words * 2;
    }
    return found;
}

// The record types of an enhanced metafile, in order.
std::vector<std::uint32_t> emfTypes(const std::string &file)
{
    std::vector<std::uint32_t> found;
    for (std::size_t at = 0; at + 8 <= file.size();) {
        found.push_back(read32(file, at));
        const std::uint32_t size = read32(file, at + 4);
        if (size < 8)
            break;
        at += size;
    }
    return found;
}

struct SvgText
{
    double x = 0;
    double y = 0;
    std::string text;
};

std::string unescaped(std::string text)
{
    const std::pair<const char *, const char *> entities[] = { { "&lt;", "<" }, { "&gt;", ">" },
        { "&quot;", "\"" }, { "&apos;", "'" }, { "&#39;", "'" }, { "&amp;", "&" } };
    for (const auto &[entity, character] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::strlen(entity), character);
    }
    return text;
}

// The texts emf2svg writes: one element per text record, placed by x and y.
std::vector<SvgText> emfSvgTexts(const std::string &svg)
{
    static const std::regex element(
        R"re(<text[^>]*?\bx="([-0-9.]+)"[^>]*?\by="([-0-9.]+)"[^>]*><!\[CDATA\[([^\]]*)\]\]></text>)re");
    std::vector<SvgText> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it)
        found.push_back({ std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3] });
    return found;
}

// The characters wmf2svg writes: one element per character, placed by its transform.
std::vector<SvgText> wmfSvgCharacters(const std::string &svg)
{
    static const std::regex element(
        R"re(transform="matrix\([^ ]+ [^ ]+ [^ ]+ [^ ]+ ([-0-9.]+) ([-0-9.]+)\)"\s*>([^<]*)</text>)re");
    std::vector<SvgText> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it)
        found.push_back({ std::stod((*it)[1]), std::stod((*it)[2]), unescaped((*it)[3]) });
    return found;
}

// The run of characters on the baseline y from the one starting at x: as many as the text has.
std::string wmfRunAt(const std::vector<SvgText> &characters, double x, double y, std::size_t length)
{
    constexpr double Slack = 1.5; // the reader's own scaling and half-pixel offsets
    std::map<double, std::string> onLine;
    for (const SvgText &character : characters) {
        if (std::abs(character.y - y) <= Slack && character.x >= x - Slack)
            onLine.emplace(character.x, character.text);
    }
    std::string run;
    for (const auto &[at, text] : onLine) {
        if (run.size() >= length)
            break;
        run += text;
    }
    return run;
}

class MetafileExport : public ScratchFolderTest
{
};

// The geometry a reader places a Letter page by: 816 x 1056 pixels, 25908 x 33528 hundredths of
// a millimetre; the description comment; the end record last.
TEST_F(MetafileExport, LetterPageGivesItsPixelsPhysicalSizeAndComment)
{
    const report::RecordedPage page { report::PageSetup {} };
    ASSERT_TRUE(exports::writeMetafile(page, dir() / "a.wmf", exports::MetafileKind::Wmf));
    const std::string wmf = readFileBytes(dir() / "a.wmf", ExportedBytes).value();
    ASSERT_GE(wmf.size(), 40u);
    EXPECT_EQ(read32(wmf, 0), 0x9AC6CDD7u);
    EXPECT_EQ(read16(wmf, 10), 816); // bounding box right
    EXPECT_EQ(read16(wmf, 12), 1056); // and bottom
    EXPECT_EQ(816 * 2540 / read16(wmf, 14), 25908) << "in the units per inch";
    EXPECT_NE(wmf.find(std::string("Gridwright 98\0Crossword Puzzle\0", 31)), std::string::npos);
    EXPECT_EQ(wmfFunctions(wmf).back(), 0);

    ASSERT_TRUE(exports::writeMetafile(page, dir() / "a.emf", exports::MetafileKind::Emf));
    const std::string emf = readFileBytes(dir() / "a.emf", ExportedBytes).value();
    ASSERT_GE(emf.size(), 108u);
    // Frame and device size.
    const std::pair<std::size_t, std::size_t> header[]
        = { { 32, 25908 }, { 36, 33528 }, { 72, 816 }, { 76, 1056 } };
    for (const auto &[at, value] : header)
        EXPECT_EQ(read32(emf, at), value) << "at " << at;
    EXPECT_EQ(emfTypes(emf).back(), 14u);
}

// What a reader not ours finds in the metafiles of the sample puzzle: every clue, and every
// text of the printed page at the place the page printed it.
TEST_F(MetafileExport, ReadersFindThePrintedPageTextsWhereThePageHasThem)
{
    const SamplePage sample;
    ASSERT_TRUE(sample.printed);
    ASSERT_TRUE(exports::writeMetafile(sample.page(), dir() / "p.wmf", exports::MetafileKind::Wmf));
    ASSERT_TRUE(exports::writeMetafile(sample.page(), dir() / "p.emf", exports::MetafileKind::Emf));
    std::vector<report::TextOperation> printed;
    for (const report::PageOperation &operation : sample.page().operations()) {
        if (const auto *text = std::get_if<report::TextOperation>(&operation))
            printed.push_back(*text);
    }
    ASSERT_GT(printed.size(), 40u);
    const auto pixel = [](double inches) { return std::trunc(inches * 96); };
    std::set<std::string> clues;
    for (int k = 0; k < sample.puzzle->wordCount; ++k)
        clues.insert(std::string(sample.puzzle->clues[k].view()));

    bool readSome = false;
    if (haveProgram("emf2svg-conv")) {
        readSome = true;
        const Outcome converted
            = shell("emf2svg-conv -i " + quoted(dir() / "p.emf") + " -o " + quoted(dir() / "e.svg"));
        ASSERT_EQ(converted.status, 0) << converted.out;
        const std::vector<SvgText> found = emfSvgTexts(readFileBytes(dir() / "e.svg", ExportedBytes).value());
        for (const report::TextOperation &text : printed) {
            const bool placed = std::any_of(found.begin(), found.end(), [&](const SvgText &svg) {
                return svg.text == text.text && svg.x == pixel(text.x) && svg.y == pixel(text.baseline);
            });
            EXPECT_TRUE(placed) << "EMF: \"" << text.text << "\" at " << pixel(text.x) << ", "
                                << pixel(text.baseline);
        }
        // A clue that goes on over more lines reads whole from its lines in order.
        std::string joined;
        for (const SvgText &svg : found)
            joined += " " + svg.text;
        for (const std::string &clue : clues)
            EXPECT_NE(joined.find(" " + clue), std::string::npos) << clue;
    }
    if (haveProgram("wmf2svg")) {
        readSome = true;
        const Outcome converted = shell("wmf2svg --maxwidth=816 --maxheight=1056 --maxpect -o "
            + quoted(dir() / "w.svg") + " " + quoted(dir() / "p.wmf"));
        ASSERT_EQ(converted.status, 0) << converted.out;
        const std::vector<SvgText> characters
            = wmfSvgCharacters(readFileBytes(dir() / "w.svg", ExportedBytes).value());
        for (const report::TextOperation &text : printed) {
            EXPECT_EQ(wmfRunAt(characters, pixel(text.x), pixel(text.baseline), text.text.size()), text.text)
                << "WMF: at " << pixel(text.x) << ", " << pixel(text.baseline);
        }
    }
    if (!readSome)
        GTEST_SKIP() << "neither wmf2svg (libwmf-bin) nor emf2svg-conv (emf2svg) is installed";
}

// A metafile carries no pictures: the layout with a Bitmap object is warned about, and the
// picture the page drew is not in the file, while what was drawn over it is.
TEST_F(MetafileExport, BitmapsAreWarnedAboutAndLeftOut)
{
    layout::LayoutRecord pageLayout {};
    pageLayout.objectCount = 1;
    pageLayout.objects[1].kind = static_cast<std::int16_t>(layout::ObjectKind::Bitmap);
    EXPECT_FALSE(exports::hasBitmapObject(pageLayout)) << "slots after the object count are not objects";
    pageLayout.objectCount = 2;
    EXPECT_TRUE(exports::hasBitmapObject(pageLayout));

    report::RecordedPage page { report::PageSetup {} };
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    page.stretchBitmap({ 1, 1, 3, 3 }, picture);
    page.setFont({ "Arial", 12 });
    page.printText(1, 2, "Over the picture");
    ASSERT_TRUE(exports::writeMetafile(page, dir() / "b.wmf", exports::MetafileKind::Wmf));
    ASSERT_TRUE(exports::writeMetafile(page, dir() / "b.emf", exports::MetafileKind::Emf));
    const std::string wmf = readFileBytes(dir() / "b.wmf", ExportedBytes).value();
    const std::string emf = readFileBytes(dir() / "b.emf", ExportedBytes).value();
    for (const std::uint16_t function : wmfFunctions(wmf))
        EXPECT_TRUE(function != 0x0F43 && function != 0x0B41 && function != 0x0940) << std::hex << function;
    for (const std::uint32_t type : emfTypes(emf))
        EXPECT_TRUE(type != 76 && type != 77 && type != 80 && type != 81) << type;
    EXPECT_NE(wmf.find("Over the picture"), std::string::npos);
}

} // namespace
