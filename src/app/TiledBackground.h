#pragma once

#include <QPixmap>
#include <QWidget>

namespace gw::app {

// The main window's client area: silver, or the program's background picture repeated from
// the top-left corner across and down until it covers the whole area.
class TiledBackground : public QWidget
{
    Q_OBJECT

public:
    explicit TiledBackground(QWidget *parent = nullptr);

    void setTiling(bool on);
    bool tiling() const { return m_tiling; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_tile;
    bool m_tiling = false;
};

} // namespace gw::app
