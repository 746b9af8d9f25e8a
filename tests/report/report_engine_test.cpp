#include "report/ReportEngine.h"

#include <gtest/gtest.h>

namespace {

using gw::report::PageCanvas;
using gw::report::ReportEngine;

// The events come in order around one recorded page, which is set up as beforePrint left the
// sheet; the status line names the page; the engine runs while they do.
TEST(ReportEngine, EventsAndStatus)
{
    ReportEngine engine;
    std::vector<std::string> calls;
    std::vector<std::string> status;
    engine.setStatusFormat("Printing Page %p of %p");
    engine.setStatusListener([&](const std::string &line) { status.push_back(line); });
    engine.setEvents({
        [&](ReportEngine &e) {
            calls.push_back("before");
            e.pageSetup().setPaperCode(gw::report::PageSetup::A5);
            EXPECT_TRUE(e.running());
        },
        [&](ReportEngine &, PageCanvas &page) {
            calls.push_back("page");
            page.fillRect({ 0, 0, 1, 1 });
        },
        [&](ReportEngine &, PageCanvas &) { calls.push_back("footer"); },
        [&](ReportEngine &) { calls.push_back("after"); },
    });
    EXPECT_TRUE(engine.run());
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(calls, (std::vector<std::string> { "before", "page", "footer", "after" }));
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
