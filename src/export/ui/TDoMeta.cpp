#include "export/ui/TDoMeta.h"

#include "export/MetafileExport.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace gw::exports {

TDoMeta::TDoMeta(app::AppContext &context, const report::RecordedPage &page, std::filesystem::path file,
    int enhanced, QWidget *parent)
    : app::TWindow(context, parent)
    , m_page(page)
    , m_file(std::move(file))
    , m_enhanced(enhanced != 0)
    , m_status(new QLabel("Creating Metafile...  Please Wait.", this))
    , m_ok(new QPushButton("&Ok", this))
{
    setWindowTitle("Metafile Creation");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(260, 96);
    m_status->setObjectName("StatusLabel");
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setGeometry(10, 16, 240, 20);
    m_ok->setObjectName("OkButton");
    m_ok->setGeometry(90, 56, 79, 25);
    m_ok->setVisible(false);
    m_ok->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TDoMeta::FormShow()
{
    // Drawn once the window is on the screen, so that the wait message shows meanwhile.
    QTimer::singleShot(0, this, &TDoMeta::CreateMetafile);
}

void TDoMeta::CreateMetafile()
{
    const Status written = writeMetafile(m_page, m_file, m_enhanced ? MetafileKind::Emf : MetafileKind::Wmf);
    m_created = written.hasValue();
    if (m_created) {
        m_status->setText("Metafile Created");
    } else {
        m_status->setText("Metafile Not Created");
        app::show(this, written.error());
    }
    m_ok->setVisible(true);
    m_ok->setEnabled(true);
    m_ok->setDefault(true);
    m_ok->setFocus();
}

} // namespace gw::exports
