#pragma once

#include <QDialog>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::render {

// The "Multi-Copies" dialog of the preview: how many copies of the page to print.  Ok accepts
// a whole number above 0 and keeps it.
class TMultiCopies : public QDialog
{
    Q_OBJECT

public:
    TMultiCopies(app::AppContext &context, QWidget *parent);

    int copies() const { return m_copies; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();

private:
    void FormShow();

    app::AppContext &m_context;
    QLineEdit *m_copiesEdit;
    int m_copies = 0;
};

} // namespace gw::render
