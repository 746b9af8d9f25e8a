#pragma once

#include "ui/TWindow.h"

class QLabel;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::report {
class ReportEngine;
}

namespace gw::render {

class PrintJob;

// The status dialog of a print job: shown, it runs the job once, showing the page being drawn;
// Cancel aborts the run.  Afterwards the button reads OK, the status tells how the run ended
// with the warnings of the page, and the button closes the dialog.
class TReportStatus : public app::TWindow
{
    Q_OBJECT

public:
    TReportStatus(app::AppContext &context, PrintJob &job, report::ReportEngine &engine, QWidget *parent);

    // The run has ended, and whether it drew its page.
    bool finished() const { return m_finished; }
    bool completed() const { return m_finished && !m_aborted; }

    // The window system's close and Escape abort a run instead of leaving it behind.
    void reject() override;

private Q_SLOTS:
    void CancelButtonClick();

private:
    void FormShow() override;
    void FormActivate();

    PrintJob &m_job;
    report::ReportEngine &m_engine;
    QLabel *m_status;
    QPushButton *m_button;
    bool m_started = false;
    bool m_finished = false;
    bool m_aborted = false;
};

} // namespace gw::render
