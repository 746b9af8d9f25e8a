#pragma once

#include <QPageLayout>
#include <QSizeF>

namespace gw::report {

enum class Orientation { Portrait, Landscape };

// The sheet a report is drawn on: a paper chosen by the printer's paper code or a custom size,
// and its orientation.  Sizes are in inches; the sheet's width and height are read back as
// the sheet lies, so a landscape sheet has its long side as its width.
class PageSetup
{
public:
    // Printer paper codes.
    static constexpr int Letter = 1;
    static constexpr int Legal = 5;
    static constexpr int Executive = 7;
    static constexpr int A4 = 9;
    static constexpr int A5 = 11;
    static constexpr int B5 = 13;

    // Every report keeps half an inch free on each side of the sheet for the printer.
    static constexpr double MarginInches = 0.5;

    // Custom sizes are held to this range; a size that is not a number gives Letter.
    static constexpr double SmallestSide = 1;
    static constexpr double LargestSide = 100;

    // A code the list does not hold gives Letter.
    void setPaperCode(int code);
    // Width and height of the sheet in portrait, as a printer takes a custom size.
    void setCustomSize(double width, double height);
    void setOrientation(Orientation orientation) { m_orientation = orientation; }

    int paperCode() const { return m_paperCode; } // 0 for a custom size
    Orientation orientation() const { return m_orientation; }
    double sheetWidth() const;
    double sheetHeight() const;

    // The Qt page layout of the sheet with its margins, painted from the sheet's corner, for
    // printers and PDF writers.
    QPageLayout pageLayout() const;

private:
    QPageSize pageSize() const;
    QSizeF portraitSize() const;

    int m_paperCode = Letter;
    double m_customWidth = 8.5;
    double m_customHeight = 11;
    Orientation m_orientation = Orientation::Portrait;
};

} // namespace gw::report
