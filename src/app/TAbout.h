#pragma once

#include <QDialog>

namespace gw::app {

struct AppContext;

// The about window: the product name and its version.
class TAbout : public QDialog
{
    Q_OBJECT

public:
    TAbout(AppContext &context, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppContext &m_context;
};

} // namespace gw::app
