#include "layout/DefaultLayout.h"
#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "layout/ObjectEntries.h"
#include "layout/PageDesign.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <unistd.h>

namespace gw::layout {
namespace {

using test::bytesOf;

LayoutRecord layoutOf(std::string_view name, std::string_view paper, double width = 8.5, double height = 11)
{
    LayoutRecord layout {};
    layout.name.assign(name);
    layout.paperName.assign(paper);
    layout.pageWidth = width;
    layout.pageHeight = height;
    return layout;
}

class LayoutLibraryTest : public test::ScratchFolderTest
{
protected:
    std::filesystem::path library() const { return dir() / LayoutLibraryFileName; }
    std::string libraryBytes() const { return readFileBytes(library(), 1 << 22).value_or("<missing>"); }
};

const LayoutRecord A = layoutOf("A", "Letter"), B = layoutOf("B", "Legal"), C = layoutOf("C", "A4");

// The line names the paper, a Custom page its size rounded with inch marks whatever the unit.
TEST(LayoutEntryText, NamesThePaperOrTheCustomSize)
{
    EXPECT_EQ(layoutEntryText(layoutOf("Plain", "Letter"), true), "Plain (Letter)  <<DEFAULT>>");
    EXPECT_EQ(
        layoutEntryText(layoutOf("Metric", "Custom", 21.59, 27.94), false), "Metric (Custom 22\" x 28\")");

    // Sizes and lengths read from a file may be anything.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(layoutEntryText(layoutOf("N", "Custom", nan, 1e300), false), "N (Custom 0\" x 2147483647\")");
    LayoutRecord overlong = layoutOf(std::string(20, 'N'), "A5");
    overlong.name.length = 255;
    EXPECT_EQ(layoutEntryText(overlong, false), std::string(20, 'N') + " (A5)");
}

// A missing or empty library warns; the list is alphabetical and marks only the default record.
TEST_F(LayoutLibraryTest, ListWarnsWhenEmptyAndMarksTheDefault)
{
    const Failure noLayouts { "Warning", "No saved page layouts could be found." };
    EXPECT_EQ(listLayouts(library(), 0).error(), noLayouts);
    ASSERT_TRUE(writeFileBytes(library(), ""));
    EXPECT_EQ(listLayouts(library(), 0).error(), noLayouts);

    ASSERT_TRUE(writeFileBytes(library(),
        bytesOf(layoutOf("Zebra", "Legal")) + bytesOf(layoutOf("apple", "A4"))
            + bytesOf(layoutOf("Mid", "B5")) + bytesOf(layoutOf("Mid", "B5"))));
    const std::vector<LayoutListEntry> expected { { "apple (A4)", 1 }, { "Mid (B5)", 3 },
        { "Mid (B5)  <<DEFAULT>>", 2 }, { "Zebra (Legal)", 0 } };
    EXPECT_EQ(*listLayouts(library(), 2), expected);
    EXPECT_EQ(bytesOf(*readLayout(library(), 1)), bytesOf(layoutOf("apple", "A4")));
    EXPECT_FALSE(readLayout(library(), 4));
}

// New puzzles get the default record, record 0 for a stale number, the built-in one without a library.
TEST_F(LayoutLibraryTest, LayoutForAPuzzleFallsBack)
{
    ASSERT_TRUE(writeFileBytes(library(), ""));
    EXPECT_EQ(bytesOf(loadLayoutForPuzzle(library(), 0)), bytesOf(defaultLayout()));

    ASSERT_TRUE(writeFileBytes(library(), bytesOf(A) + bytesOf(B) + bytesOf(C)));
    EXPECT_EQ(bytesOf(loadLayoutForPuzzle(library(), 2)), bytesOf(C));
    // One past the end is as stale as any larger number.
    for (const int stale : { 3, 5, -1 })
        EXPECT_EQ(bytesOf(loadLayoutForPuzzle(library(), stale)), bytesOf(A)) << stale;
}

// Add numbers from the count, replace overwrites one record, delete closes the gap; failures
// leave the library as it was.
TEST_F(LayoutLibraryTest, AddReplaceAndDelete)
{
    EXPECT_EQ(deleteLayout(library(), 0, fingerprintOf(A)).error(),
        (Failure { "Disk Error", "Unable to delete page layout." }));
    EXPECT_EQ(*addLayout(library(), A), 0);
    EXPECT_EQ(*addLayout(library(), B), 1);
    EXPECT_EQ(*addLayout(library(), C), 2);
    EXPECT_TRUE(replaceLayout(library(), 1, A, fingerprintOf(B)));
    EXPECT_FALSE(replaceLayout(library(), 4, A, fingerprintOf(A)));
    EXPECT_FALSE(replaceLayout(library(), 2, A, fingerprintOf(B)));
    EXPECT_TRUE(deleteLayout(library(), 0, fingerprintOf(A)));
    EXPECT_FALSE(deleteLayout(library(), 2, fingerprintOf(C)));
    EXPECT_EQ(libraryBytes(), bytesOf(A) + bytesOf(C));
    EXPECT_EQ(addLayout(dir() / "missing" / LayoutLibraryFileName, A).error(),
        (Failure { "Disk Error", "Unable to add page layout." }));
}

// Export writes "PAG", "1.0" and the record; import takes any version and appends the record.
TEST_F(LayoutLibraryTest, ExportAndImport)
{
    LayoutRecord layout = defaultLayout();
    layout.objects[0].setText("Some text");
    const auto file = dir() / "PAGE.PAG";
    EXPECT_EQ(*exportLayout(layout, file), (Notice { "OK", "Page Layout Exported!" }));
    EXPECT_EQ(readFileBytes(file, 1 << 20), "PAG1.0" + bytesOf(layout));
    EXPECT_EQ(exportLayout(layout, dir() / "missing" / "PAGE.PAG").error(),
        (Failure { "Error", "Page layout could not be exported." }));

    ASSERT_TRUE(writeFileBytes(file, "PAG2.0" + bytesOf(layout) + "more"));
    ASSERT_TRUE(addLayout(library(), A));
    EXPECT_EQ(importLayout(file, library())->record, 1);
    EXPECT_EQ(libraryBytes(), bytesOf(A) + bytesOf(layout));
}

// A 28873-byte file or a wrong tag is corrupt and adds nothing; an unreadable file has its own message.
TEST_F(LayoutLibraryTest, ImportRefusesBadFiles)
{
    const auto file = dir() / "BAD.PAG";
    for (const std::string &content :
        { "PAG1.0" + bytesOf(A).substr(1), "LAY1.0" + bytesOf(A), std::string() }) {
        ASSERT_TRUE(writeFileBytes(file, content));
        EXPECT_EQ(importLayout(file, library()).error(),
            (Failure { "Error", "Page layout file is corrupt or incompatible.  Import aborted." }));
    }
    EXPECT_FALSE(std::filesystem::exists(library()));
    EXPECT_EQ(importLayout(dir() / "absent.PAG", library()).error(),
        (Failure { "Error", "Page layout could not be imported." }));
}

// An export file whose header and objects hold every value out of range at once.
std::string hostileExportFile()
{
    auto layout = std::make_unique<LayoutRecord>(defaultLayout());
    layout->objectCount = 300;
    layout->unitInches = 7;
    layout->zoom = 42;
    layout->pageWidthPixels = -5;
    layout->pageHeightPixels = 0;
    layout->paperName.assign("Custom");
    layout->pageWidth = 1.0e300;
    layout->pageHeight = -1.0e300;
    for (int slot = 0; slot < MaxObjects; ++slot) {
        LayoutObject &object = layout->objects[slot];
        object.kind = static_cast<std::int16_t>(slot % 2 ? 99 : -3);
        object.rect = { INT_MIN, INT_MIN, INT_MAX, INT_MAX };
        object.columns = static_cast<std::int16_t>(slot % 2 ? -5 : 32000);
        std::memset(object.text, 'x', sizeof object.text); // no zero byte anywhere
    }
    std::string bytes = "PAG9.9";
    bytes.append(reinterpret_cast<const char *>(layout.get()), sizeof(LayoutRecord));
    return bytes;
}

// A hostile export file is read, and every reader holds it to range: 20 slots, a text that
// ends at 1000 characters, columns clamped, rectangles in units and back without overflow.
TEST(HostilePag, ReadersClampEveryField)
{
    const auto file
        = std::filesystem::temp_directory_path() / ("gw-hostile-" + std::to_string(::getpid()) + ".PAG");
    ASSERT_TRUE(gw::writeFileBytes(file, hostileExportFile()));
    const auto read = readLayoutExportFile(file);
    std::filesystem::remove(file);
    ASSERT_TRUE(read.hasValue());
    auto layout = std::make_unique<LayoutRecord>(*read);

    EXPECT_EQ(layout->safeObjectCount(), MaxObjects);
    EXPECT_TRUE(isInches(*layout));
    EXPECT_EQ(pixelsPerUnit(true, layout->zoom), 72);
    const std::string entry = layoutEntryText(*layout, false);
    EXPECT_EQ(entry.substr(0, 17), "New Page (Custom ");
    for (int slot = 0; slot < layout->safeObjectCount(); ++slot) {
        const LayoutObject &object = layout->objects[slot];
        EXPECT_EQ(object.textView().size(), 1000u);
        EXPECT_LE(columnLines(object).size(), 8u);
        EXPECT_FALSE(isKnownKind(object.kind));
        const PixelRect rect = object.rect;
        EXPECT_EQ(unitsText(double(rect.right) - rect.left, 72), "59652323.542");
        const auto width = readDecimal(unitsText(double(rect.right) - rect.left, 72));
        ASSERT_TRUE(width);
        EXPECT_EQ(int(rectangleFromUnits(0, 0, *width, 1, 72).right), INT_MAX);
    }
    const int hit = objectHit(*layout, 10, 10, 10, 10);
    EXPECT_GE(hit, 0);
    EXPECT_LE(hit, MaxObjects);
    rescaleForZoom(*layout, SmallZoom, LargeZoom);
    EXPECT_EQ(int(layout->objects[0].rect.right), INT_MAX);
    EXPECT_EQ(int(layout->objects[0].rect.left), INT_MIN);
}

} // namespace
} // namespace gw::layout
