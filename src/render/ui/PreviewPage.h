#pragma once

#include <QWidget>

namespace gw::report {
class RecordedPage;
}

namespace gw::render {

// The preview's page: the recorded page replayed in colour at a zoom, on white, with a margin
// of 2.5 % of the page's width around it and no shadow.  At 100 % an inch of the page takes
// ScreenDotsPerInch pixels.
class PreviewPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr double ScreenDotsPerInch = 96;
    static constexpr double MarginPercent = 2.5;

    explicit PreviewPage(QWidget *parent = nullptr);

    void setPage(const report::RecordedPage *page);
    void setZoom(double percent);
    double zoom() const { return m_zoom; }

    // Pixels of the page itself and of the margin at a zoom.
    static QSize pagePixels(const report::RecordedPage &page, double percent);
    static int marginPixels(const report::RecordedPage &page, double percent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void resizeToPage();

    const report::RecordedPage *m_page = nullptr;
    double m_zoom = 100;
};

} // namespace gw::render
