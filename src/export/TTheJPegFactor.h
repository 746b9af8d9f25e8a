#pragma once

#include <QDialog>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::exports {

// "JPEG Factor": the quality factor of exported JPEG pictures, 1..100, kept in the setting
// "JPeg Compression Quality".  Ok takes a valid factor and closes; Cancel changes nothing.
class TTheJPegFactor : public QDialog
{
    Q_OBJECT

public:
    TTheJPegFactor(app::AppContext &context, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();

private:
    void FormShow();

    app::AppContext &m_context;
    QLineEdit *m_factor;
    bool m_shown = false;
};

} // namespace gw::exports
