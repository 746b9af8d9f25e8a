#pragma once

#include "ui/TWindow.h"

#include <filesystem>

class QLabel;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::report {
class RecordedPage;
}

namespace gw::exports {

// "Metafile Creation": once shown, draws the page into a new metafile (enhanced 1, placeable
// Windows metafile 0) and saves it under the chosen name, then lets the user close it.
class TDoMeta : public app::TWindow
{
    Q_OBJECT

public:
    TDoMeta(app::AppContext &context, const report::RecordedPage &page, std::filesystem::path file,
        int enhanced, QWidget *parent);

    // True once the metafile was written.
    bool created() const { return m_created; }

private Q_SLOTS:
    void CreateMetafile();

private:
    void FormShow() override;

    const report::RecordedPage &m_page;
    std::filesystem::path m_file;
    bool m_enhanced;
    QLabel *m_status;
    QPushButton *m_ok;
    bool m_created = false;
};

} // namespace gw::exports
