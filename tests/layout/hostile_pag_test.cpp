#include "layout/DefaultLayout.h"
#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "layout/ObjectEntries.h"
#include "layout/PageDesign.h"
#include "platform/RecordFile.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace gw::layout;

namespace {

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

} // namespace

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
