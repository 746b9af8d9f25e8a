#include "platform/RecordFile.h"
#include "shapes/ShapeExportFile.h"
#include "shapes/ShapeLibrary.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace gw::shapes {
namespace {

using test::bytesOf;

ShapeRecord shapeOf(std::string_view title, int width, int height)
{
    ShapeRecord shape {};
    shape.title.assign(title);
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (int i = 0; i < GridCells; ++i)
        shape.cells[i] = static_cast<std::uint8_t>(i % 3 == 0);
    return shape;
}

class ShapeLibraryTest : public test::ScratchFolderTest
{
protected:
    std::filesystem::path library() const { return dir() / ShapeLibraryFileName; }
    std::string libraryBytes() const { return readFileBytes(library(), 1 << 20).value_or("<missing>"); }
};

const ShapeRecord A = shapeOf("A", 5, 5), B = shapeOf("B", 6, 6), C = shapeOf("C", 7, 7);

// The list line shows size and title; a length byte from a file never shows bytes past the title.
TEST(ShapeEntryText, IsWidthByHeightThenTitle)
{
    EXPECT_EQ(shapeEntryText(shapeOf("Diamond", 15, 13)), "15x13 Diamond");
    ShapeRecord overlong = shapeOf(std::string(50, 'T'), -2, 700);
    overlong.title.length = 255;
    EXPECT_EQ(shapeEntryText(overlong), "-2x700 " + std::string(50, 'T'));
}

// A missing or empty library warns; the list is alphabetical and keeps each record's number.
TEST_F(ShapeLibraryTest, ListWarnsWhenEmptyAndSortsByLine)
{
    const Failure noShapes { "Warning", "No saved shape information could be found." };
    EXPECT_EQ(listShapes(library()).error(), noShapes);
    ASSERT_TRUE(writeFileBytes(library(), std::string(2554, 'x')));
    EXPECT_EQ(listShapes(library()).error(), noShapes);

    ASSERT_TRUE(writeFileBytes(library(),
        bytesOf(shapeOf("Square", 9, 9)) + bytesOf(shapeOf("Box", 15, 15)) + bytesOf(shapeOf("apple", 15, 15))
            + bytesOf(shapeOf("Box", 15, 15)) + "partial"));
    const std::vector<ShapeListEntry> expected { { "15x15 apple", 2 }, { "15x15 Box", 1 }, { "15x15 Box", 3 },
        { "9x9 Square", 0 } };
    EXPECT_EQ(*listShapes(library()), expected);
    EXPECT_FALSE(readShape(library(), 4));
    EXPECT_FALSE(readShape(library(), -1));
}

// Add creates a missing library and numbers from the count; replace overwrites only the record
// that was loaded, never a record that has gone or that another program changed meanwhile.
TEST_F(ShapeLibraryTest, AddAndReplace)
{
    EXPECT_EQ(*addShape(library(), A), 0);
    EXPECT_EQ(*addShape(library(), B), 1);
    EXPECT_TRUE(replaceShape(library(), 0, C, fingerprintOf(A)));
    EXPECT_EQ(libraryBytes(), bytesOf(C) + bytesOf(B));

    const Failure changed { "Warning",
        "This puzzle shape was changed or deleted by another program after it was loaded, so nothing was "
        "written.  The list has been reloaded." };
    EXPECT_EQ(replaceShape(library(), 3, A, fingerprintOf(A)).error(), changed);
    EXPECT_EQ(replaceShape(library(), 0, A, fingerprintOf(A)).error(), changed);
    EXPECT_EQ(libraryBytes(), bytesOf(C) + bytesOf(B));
    EXPECT_EQ(addShape(dir() / "missing" / ShapeLibraryFileName, A).error(),
        (Failure { "Disk Error", "Unable to add shape." }));
}

// Deleting record 0 of three moves the rest down; a delete that cannot be done changes nothing.
TEST_F(ShapeLibraryTest, DeleteClosesTheGapOrChangesNothing)
{
    const Failure cannotDelete { "Disk Error", "Unable to delete puzzle shape." };
    EXPECT_EQ(deleteShape(library(), 0, fingerprintOf(A)).error(), cannotDelete);
    EXPECT_FALSE(std::filesystem::exists(library()));

    ASSERT_TRUE(writeFileBytes(library(), bytesOf(A) + bytesOf(B) + bytesOf(C)));
    EXPECT_TRUE(deleteShape(library(), 0, fingerprintOf(A)));
    EXPECT_EQ(libraryBytes(), bytesOf(B) + bytesOf(C));
    EXPECT_FALSE(deleteShape(library(), 2, fingerprintOf(C)));
    EXPECT_FALSE(deleteShape(library(), 0, fingerprintOf(C)));
    EXPECT_TRUE(deleteShape(library(), 1, fingerprintOf(C)));
    EXPECT_EQ(libraryBytes(), bytesOf(B));
}

// The export file is "LAY", "1.0" and the record; a failed export leaves no file.
TEST_F(ShapeLibraryTest, ExportWritesTagVersionAndRecord)
{
    const auto file = dir() / "STAR.LAY";
    ASSERT_TRUE(writeFileBytes(file, std::string(5000, 'z')));
    EXPECT_EQ(*exportShape(A, file), (Notice { "OK", "Puzzle Shape Exported!" }));
    EXPECT_EQ(readFileBytes(file, 9000), "LAY1.0" + bytesOf(A));
    EXPECT_EQ(exportShape(A, dir() / "missing" / "STAR.LAY").error(),
        (Failure { "Error", "Shape could not be exported." }));
}

// Import takes any version, ignores what follows the record and appends it with the next number.
TEST_F(ShapeLibraryTest, ImportAppendsTheShape)
{
    const ShapeRecord huge = shapeOf("Huge", 99, -4);
    const auto file = dir() / "HUGE.LAY";
    ASSERT_TRUE(writeFileBytes(file, "LAY2.0" + bytesOf(huge) + "trailing"));
    ASSERT_TRUE(addShape(library(), A));
    EXPECT_EQ(importShape(file, library())->record, 1);
    EXPECT_EQ(libraryBytes(), bytesOf(A) + bytesOf(huge));
    EXPECT_EQ(importShape(file, dir() / "missing" / ShapeLibraryFileName).error(),
        (Failure { "Disk Error", "Unable to add shape." }));
}

// A short file or a wrong tag is corrupt and adds nothing; an unreadable file has its own message.
TEST_F(ShapeLibraryTest, ImportRefusesBadFiles)
{
    const auto file = dir() / "BAD.LAY";
    for (const std::string &content :
        { "LAY1.0" + bytesOf(A).substr(1), "LAX1.0" + bytesOf(A), std::string("LA") }) {
        ASSERT_TRUE(writeFileBytes(file, content));
        EXPECT_EQ(importShape(file, library()).error(),
            (Failure { "Error", "Puzzle shape file is corrupt or incompatible.  Import aborted." }));
    }
    EXPECT_FALSE(std::filesystem::exists(library()));
    EXPECT_EQ(importShape(dir() / "absent.LAY", library()).error(),
        (Failure { "Error", "Puzzle shape could not be imported." }));
}

} // namespace
} // namespace gw::shapes
