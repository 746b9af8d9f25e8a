#pragma once

#include "ui/TWindow.h"

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::exports {

// "JPEG Factor": the quality factor of exported JPEG pictures, 1..100, kept in the setting
// "JPeg Compression Quality".  Ok takes a valid factor and closes; Cancel changes nothing.
class TTheJPegFactor : public app::TWindow
{
    Q_OBJECT

public:
    TTheJPegFactor(app::AppContext &context, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QLineEdit *m_factor;
};

} // namespace gw::exports
