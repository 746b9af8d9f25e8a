#include "report/ReportEngine.h"

#include <gtest/gtest.h>

namespace {

using gw::report::PageCanvas;
using gw::report::ReportEngine;

// The recorded page is set up as beforePrint left the sheet; the status line names the page;
// the engine runs while the events do.
TEST(ReportEngine, EventsAndStatus)
{
    ReportEngine engine;
    std::vector<std::string> status;
    engine.setStatusFormat("Printing Page %p of %p");
    engine.setStatusListener([&](const std::string &line) { status.push_back(line); });
    engine.setEvents({
        [&](ReportEngine &e) {
            e.pageSetup().setPaperCode(gw::report::PageSetup::A5);
            EXPECT_TRUE(e.running());
        },
        [&](ReportEngine &, PageCanvas &page) {
            page.fillRect({ 0, 0, 1, 1 });
        },
        nullptr,
        nullptr,
    });
    EXPECT_TRUE(engine.run());
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(status, (std::vector<std::string> { "Printing Page 1 of 1" }));
    // A second run replaces the page.
    EXPECT_TRUE(engine.run());
    ASSERT_EQ(engine.pages().size(), 1u);
    EXPECT_EQ(engine.pages()[0].setup().paperCode(), gw::report::PageSetup::A5);
    EXPECT_EQ(engine.pages()[0].operations().size(), 1u);
}

// An abort keeps no page but still lets the owner release what it holds; printing is refused
// while a run is under way.
TEST(ReportEngine, AbortAndBusy)
{
    ReportEngine engine;
    bool released = false;
    std::optional<gw::report::PrintFailure> busy;
    engine.setEvents({ nullptr,
        [&](ReportEngine &e, PageCanvas &) {
            busy = e.print({}, 1, 1, 1, "Title");
            e.abort();
        },
        nullptr, [&](ReportEngine &) { released = true; } });
    EXPECT_FALSE(engine.run());
    EXPECT_TRUE(engine.aborted());
    EXPECT_TRUE(released);
    EXPECT_TRUE(engine.pages().empty());
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->failure.text, "Previous print job has not yet finished.  Try again later.");
}

} // namespace
