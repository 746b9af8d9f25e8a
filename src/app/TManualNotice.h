#pragma once

#include <QDialog>

namespace gw::app {

struct AppContext;

// The notice shown before the user manual opens in the web browser; Ok goes on, Cancel not.
class TManualNotice : public QDialog
{
    Q_OBJECT

public:
    TManualNotice(AppContext &context, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppContext &m_context;
};

} // namespace gw::app
