#pragma once

#include "platform/Failure.h"
#include "report/PageSetup.h"
#include "report/PrinterOutput.h"
#include "report/RecordedPage.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gw::report {

// Runs a report: asks its owner, through four events, to set the page up and to draw the
// page, and records the page in memory for the preview, the printer and the exports.
class ReportEngine
{
public:
    struct Events
    {
        std::function<void(ReportEngine &)> beforePrint; // before the first page
        std::function<void(ReportEngine &, PageCanvas &)> printPage; // draws the page
        std::function<void(ReportEngine &, PageCanvas &)> printFooter; // after the page
        std::function<void(ReportEngine &)> afterPrint; // after the last page
    };

    ReportEngine();

    void setEvents(Events events) { m_events = std::move(events); }

    // Paper and orientation; set them in beforePrint, then read the sheet size back.
    PageSetup &pageSetup() { return m_setup; }
    const PageSetup &pageSetup() const { return m_setup; }

    // The status line shows this text with "%p" replaced by the page being drawn; the
    // listener hears every new line.
    void setStatusFormat(std::string format) { m_statusFormat = std::move(format); }
    void setStatusListener(std::function<void(const std::string &)> listener)
    {
        m_statusListener = std::move(listener);
    }
    std::string statusLine() const;

    // Called at fixed points of long work so that the window system can answer a Cancel.
    void setEventPump(std::function<void()> pump) { m_eventPump = std::move(pump); }
    void pumpEvents();

    // Records the report, replacing what an earlier run recorded; false when it was aborted,
    // in which case no page is kept.
    bool run();
    bool running() const { return m_running; }
    void abort() { m_aborted = true; }
    bool aborted() const { return m_aborted; }

    const std::vector<RecordedPage> &pages() const { return m_pages; }

    // Prints the recorded pages firstPage..lastPage (from 1) where the choice says, in a job
    // named by the title; refused while the engine runs.  Nothing when printed.
    std::optional<PrintFailure> print(
        const PrinterChoice &choice, int firstPage, int lastPage, int copies, std::string_view title);

private:
    void announcePage(int page);

    Events m_events;
    PageSetup m_setup;
    std::string m_statusFormat = "Printing Page %p";
    std::function<void(const std::string &)> m_statusListener;
    std::function<void()> m_eventPump;
    std::vector<RecordedPage> m_pages;
    int m_page = 0;
    bool m_running = false;
    bool m_aborted = false;
};

} // namespace gw::report
