#pragma once

#include <QDialog>

namespace gw::app {

struct AppContext;

// The product information window: what else the makers of the program offer.
class TOtherProducts : public QDialog
{
    Q_OBJECT

public:
    TOtherProducts(AppContext &context, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppContext &m_context;
};

} // namespace gw::app
