#include "render/ui/TReportStatus.h"

#include "render/PrintJob.h"
#include "render/TextConversion.h"
#include "report/ReportEngine.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace gw::render {

TReportStatus::TReportStatus(
    app::AppContext &context, PrintJob &job, report::ReportEngine &engine, QWidget *parent)
    : app::TWindow(context, parent)
    , m_job(job)
    , m_engine(engine)
    , m_status(new QLabel(this))
    , m_button(new QPushButton("Cancel", this))
{
    setWindowTitle("Report Status Screen");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(330, 200);

    auto *title = app::addLabel(this, "StatusTitle", "Printing Status", { 10, 8, 310, 18 });
    title->setAlignment(Qt::AlignCenter);

    m_status->setObjectName("StatusLine");
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setGeometry(10, 30, 310, 124);

    m_button->setObjectName("CancelButton");
    m_button->setDefault(true);
    m_button->setGeometry(125, 164, 80, 25);
    connect(m_button, &QPushButton::clicked, this, &TReportStatus::CancelButtonClick);
}

void TReportStatus::FormShow()
{
    if (m_started)
        return;
    m_started = true;
    // The run starts once the dialog is on the screen, so that its status line can be seen.
    QTimer::singleShot(0, this, &TReportStatus::FormActivate);
}

void TReportStatus::FormActivate()
{
    m_engine.setStatusListener([this](const std::string &line) { m_status->setText(toQString(line)); });
    m_engine.setEventPump([] { QCoreApplication::processEvents(); });
    m_aborted = !m_job.run(m_engine);
    m_engine.setStatusListener({});
    m_engine.setEventPump({});

    QStringList lines;
    for (const std::string &line : m_job.statusLines(m_aborted))
        lines << toQString(line);
    m_status->setText(lines.join("\n\n"));
    m_button->setText("OK");
    m_finished = true;
    if (m_aborted)
        return;
    if (const auto missing = m_job.bitmapWarning())
        app::show(this, *missing);
    for (const Failure &warning : m_job.warnings())
        app::show(this, warning);
}

void TReportStatus::CancelButtonClick()
{
    if (!m_finished) {
        m_engine.abort();
        return;
    }
    if (m_aborted)
        QDialog::reject();
    else
        accept();
}

void TReportStatus::reject()
{
    if (m_started && !m_finished) {
        m_engine.abort();
        return;
    }
    QDialog::reject();
}

} // namespace gw::render
