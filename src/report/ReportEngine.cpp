#include "report/ReportEngine.h"

#include "report/FontSubstitutes.h"
#include "report/PrinterOutput.h"

namespace gw::report {

namespace {

// Sets a flag for as long as it lives, so that every way out of a run clears it.
class RunningFlag
{
public:
    explicit RunningFlag(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;

private:
    bool &m_flag;
};

} // namespace

ReportEngine::ReportEngine()
{
    installFontSubstitutes();
}

std::string ReportEngine::statusLine() const
{
    std::string line = m_statusFormat;
    const std::string number = std::to_string(m_page);
    for (std::size_t at = line.find("%p"); at != std::string::npos; at = line.find("%p", at + number.size()))
        line.replace(at, 2, number);
    return line;
}

void ReportEngine::pumpEvents()
{
    if (m_eventPump)
        m_eventPump();
}

void ReportEngine::announcePage(int page)
{
    m_page = page;
    if (m_statusListener)
        m_statusListener(statusLine());
}

bool ReportEngine::run()
{
    if (m_running)
        return false;
    const RunningFlag running(m_running);
    m_aborted = false;
    m_pages.clear();
    if (m_events.beforePrint)
        m_events.beforePrint(*this);
    pumpEvents();
    if (!m_aborted) {
        announcePage(1);
        RecordedPage page(m_setup);
        if (m_events.printPage)
            m_events.printPage(*this, page);
        if (m_events.printFooter)
            m_events.printFooter(*this, page);
        pumpEvents();
        if (!m_aborted)
            m_pages.push_back(std::move(page));
    }
    if (m_events.afterPrint)
        m_events.afterPrint(*this);
    return !m_aborted;
}

std::optional<PrintFailure> ReportEngine::print(
    const PrinterChoice &choice, int firstPage, int lastPage, int copies, std::string_view title)
{
    if (m_running)
        return PrintFailure { { "Error", "Previous print job has not yet finished.  Try again later." } };
    const RunningFlag running(m_running);
    return printPages(choice, m_pages, firstPage, lastPage, copies, title);
}

} // namespace gw::report
