#include "layout/DefaultLayout.h"
#include "platform/RecordFile.h"
#include "render/PrintJob.h"
#include "render/SamplePage.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using gw::layout::ObjectKind;
using gw::report::TextOperation;

bool overlap(const TextOperation &a, const TextOperation &b)
{
    constexpr double Slack = 1e-6;
    return a.x + Slack < b.x + b.width && b.x + Slack < a.x + a.width
        && a.baseline - a.ascent + Slack < b.baseline + b.descent
        && b.baseline - b.ascent + Slack < a.baseline + a.descent;
}

// Every bundled layout had "Skeleton Puzzle" on, so a heart printed as a scatter of word squares:
// the default layout and the others print the whole shape, and only the one named so does not.
TEST(BundledLayouts, PrintTheShapeUnlessNamedSkeleton)
{
    const auto layouts
        = gw::readAllRecords<gw::layout::LayoutRecord>(fs::path(GW_SOURCE_DIR) / "data" / "ZPFPAGE.DAT");
    ASSERT_TRUE(layouts && !layouts->empty());
    int skeletons = 0;
    for (const gw::layout::LayoutRecord &page : *layouts) {
        gw::render::PrintOptions options;
        options.takeLayout(page);
        const bool namedSkeleton = page.name.str().find("Skeleton") != std::string::npos;
        EXPECT_EQ(options.useBoxes, !namedSkeleton) << page.name.str();
        skeletons += namedSkeleton;
    }
    EXPECT_EQ(skeletons, 1);
}

// The sizes the objects of a kind printed at, one per object.
std::vector<int> clueSizes(const gw::layout::LayoutRecord &page, ObjectKind kind)
{
    std::vector<int> sizes;
    for (int slot = 0; slot < page.safeObjectCount(); ++slot) {
        if (page.objects[slot].kind == static_cast<std::int16_t>(kind))
            sizes.push_back(page.objects[slot].fittedFontSize);
    }
    return sizes;
}

// Every bundled layout and the built-in one print every sample puzzle cleanly: no warning,
// every clue and word whole, no text over another, everything on the sheet, the clue lists at
// one readable size.  So they do when a clue of 140 characters is far wider than its column.
TEST(BundledLayouts, PrintEverySamplePuzzleCleanly)
{
    const fs::path data = fs::path(GW_SOURCE_DIR) / "data";
    auto layouts = gw::readAllRecords<gw::layout::LayoutRecord>(data / "ZPFPAGE.DAT");
    ASSERT_TRUE(layouts && !layouts->empty());
    layouts->push_back(gw::layout::defaultLayout());
    for (std::size_t l = 0; l < layouts->size(); ++l) {
        for (int number = 0; number < 5; ++number) {
            auto puzzle = gw::test::samplePuzzle(number % 4);
            ASSERT_TRUE(puzzle);
            if (number == 4) {
                puzzle->clues[puzzle->acrossCount].assign(
                    "Large honking bird of the farmyard that chases every visitor across the yard, "
                    "guards the gate at night and lays the biggest eggs on the farm");
            }
            puzzle->layout = (*layouts)[l];
            puzzle->bonusQuestion.assign("Which of these is the odd one out?");
            gw::render::PrintOptions options;
            options.takeLayout(puzzle->layout);
            gw::render::PrintJob job(*puzzle, options);
            gw::report::ReportEngine engine;
            ASSERT_TRUE(job.run(engine));
            const std::string where = puzzle->layout.name.str() + ", puzzle " + std::to_string(number);
            EXPECT_TRUE(job.warnings().empty()) << where;
            EXPECT_FALSE(job.bitmapWarning()) << where;

            const auto &results = job.results();
            const auto &page = job.puzzle().layout;
            const std::vector<int> across = clueSizes(page, ObjectKind::AcrossClues);
            const std::vector<int> down = clueSizes(page, ObjectKind::DownClues);
            const std::vector<int> combined = clueSizes(page, ObjectKind::CombinedClues);
            if (!combined.empty() || (!across.empty() && !down.empty())) {
                for (int k = 1; k <= job.numbered(); ++k) {
                    EXPECT_EQ(results.clueCharacters[k - 1], static_cast<int>(puzzle->clues[k - 1].size()))
                        << where;
                }
            }
            std::vector<int> lists = across;
            lists.insert(lists.end(), down.begin(), down.end());
            for (const int size : lists)
                EXPECT_EQ(size, lists.front()) << where;
            for (const auto *sizes : { &across, &down, &combined })
                for (const int size : *sizes)
                    EXPECT_GE(size, 9) << where;
            for (std::size_t w = 0; w < results.wordList.size(); ++w)
                EXPECT_EQ(results.wordCharacters[w], static_cast<int>(results.wordList[w].size())) << where;

            std::vector<TextOperation> texts;
            for (const auto &operation : engine.pages().front().operations()) {
                if (const auto *text = std::get_if<TextOperation>(&operation))
                    texts.push_back(*text);
            }
            for (std::size_t i = 0; i < texts.size(); ++i) {
                EXPECT_GE(texts[i].x, 0.25) << where << ": " << texts[i].text;
                EXPECT_LE(texts[i].x + texts[i].width, job.sheetWidth() - 0.25)
                    << where << ": " << texts[i].text;
                EXPECT_GE(texts[i].font.size, 5) << where << ": " << texts[i].text;
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(overlap(texts[i], texts[j]))
                        << where << ": " << texts[i].text << " / " << texts[j].text;
            }
        }
    }
}

} // namespace
