#include "app/SpeedGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace gw::app {

namespace {

// Glyphs are drawn on a 24 x 24 grid and rendered at four times that size.
constexpr int GlyphUnits = 24;
constexpr int RenderScale = 4;

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Folder(230, 190, 70);
const QColor Blue(40, 90, 190);
const QColor Red(200, 30, 30);
const QColor Green(30, 140, 60);

void page(QPainter &p, QRectF box)
{
    const qreal fold = 5;
    QPainterPath outline;
    outline.moveTo(box.left(), box.top());
    outline.lineTo(box.right() - fold, box.top());
    outline.lineTo(box.right(), box.top() + fold);
    outline.lineTo(box.right(), box.bottom());
    outline.lineTo(box.left(), box.bottom());
    outline.closeSubpath();
    p.setBrush(Paper);
    p.setPen(QPen(Ink, 1.2));
    p.drawPath(outline);
    p.drawPolyline(QPolygonF({ QPointF(box.right() - fold, box.top()),
        QPointF(box.right() - fold, box.top() + fold), QPointF(box.right(), box.top() + fold) }));
}

// A small crossword: n x n squares from the corner, the given squares black.
void grid(QPainter &p, QPointF corner, qreal cell, int n, std::initializer_list<int> blacks = { 1, 5 })
{
    p.setPen(QPen(Ink, 1.0));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const bool black = std::find(blacks.begin(), blacks.end(), r * n + c) != blacks.end();
            p.setBrush(black ? Ink : Paper);
            p.drawRect(QRectF(corner.x() + c * cell, corner.y() + r * cell, cell, cell));
        }
    }
}

void plus(QPainter &p, QPointF centre, QColor colour)
{
    p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-3.5, 0), centre + QPointF(3.5, 0));
    p.drawLine(centre + QPointF(0, -3.5), centre + QPointF(0, 3.5));
}

void arrow(QPainter &p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-direction.y(), direction.x());
    p.drawPolyline(QPolygonF({ to - direction * 4 + side * 4, to, to - direction * 4 - side * 4 }));
}

void pencil(QPainter &p)
{
    p.save();
    p.translate(15, 15);
    p.rotate(45);
    p.setPen(QPen(Ink, 1.0));
    p.setBrush(QColor(240, 200, 60));
    p.drawRect(QRectF(-2, -10, 4, 13));
    p.setBrush(QColor(230, 180, 140));
    p.drawPolygon(QPolygonF({ QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7) }));
    p.restore();
}

void draw(QPainter &p, SpeedGlyph glyph)
{
    switch (glyph) {
    case SpeedGlyph::NewGroup:
        page(p, QRectF(4, 2, 14, 19));
        plus(p, QPointF(17, 17), Green);
        break;
    case SpeedGlyph::OpenGroup:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Folder.darker(115));
        p.drawPolygon(QPolygonF({ QPointF(2, 6), QPointF(8, 6), QPointF(10, 8), QPointF(19, 8),
            QPointF(19, 19), QPointF(2, 19) }));
        p.setBrush(Folder);
        p.drawPolygon(QPolygonF({ QPointF(5, 11), QPointF(22, 11), QPointF(19, 19), QPointF(2, 19) }));
        break;
    case SpeedGlyph::NewPuzzle:
        grid(p, QPointF(3, 3), 5, 3);
        plus(p, QPointF(18, 18), Green);
        break;
    case SpeedGlyph::ModifyPuzzle:
        grid(p, QPointF(3, 3), 5, 3);
        pencil(p);
        break;
    case SpeedGlyph::CopyPuzzle:
        grid(p, QPointF(2, 2), 4.5, 3);
        grid(p, QPointF(8.5, 8.5), 4.5, 3, { 3, 8 });
        break;
    case SpeedGlyph::DeletePuzzle:
        grid(p, QPointF(3, 3), 5, 3);
        p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(21, 21));
        p.drawLine(QPointF(21, 12), QPointF(12, 21));
        break;
    case SpeedGlyph::Import:
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({ QPointF(3, 14), QPointF(3, 21), QPointF(21, 21), QPointF(21, 14) }));
        arrow(p, QPointF(12, 2), QPointF(12, 17), Blue);
        break;
    case SpeedGlyph::Export:
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({ QPointF(3, 14), QPointF(3, 21), QPointF(21, 21), QPointF(21, 14) }));
        arrow(p, QPointF(12, 17), QPointF(12, 2), Blue);
        break;
    case SpeedGlyph::Print:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Paper);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6, 14, 12, 8));
        p.setPen(QPen(Ink, 0.8));
        p.drawLine(QPointF(8, 17), QPointF(16, 17));
        p.drawLine(QPointF(8, 19.5), QPointF(14, 19.5));
        break;
    case SpeedGlyph::PuzzleWords: {
        QFont font("Arial");
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Blue);
        p.drawText(QRectF(0, 1, 24, 11), Qt::AlignCenter, "ABC");
        p.setPen(QPen(Ink, 1.2));
        for (qreal y : { 15.0, 18.5, 22.0 })
            p.drawLine(QPointF(3, y), QPointF(y == 22.0 ? 14 : 21, y));
        break;
    }
    case SpeedGlyph::PuzzleShape:
        // A diamond of squares: the outline of a shape drawn square by square.
        p.setPen(QPen(Ink, 1.0));
        p.setBrush(QColor(120, 170, 230));
        for (int r = 0; r < 5; ++r) {
            const int half = r < 3 ? r : 4 - r;
            for (int c = 2 - half; c <= 2 + half; ++c)
                p.drawRect(QRectF(1.5 + c * 4.2, 1.5 + r * 4.2, 4.2, 4.2));
        }
        break;
    case SpeedGlyph::PageLayout:
        page(p, QRectF(4, 1, 16, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(7, 4, 8, 2));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(7, 8, 10, 8));
        p.setBrush(Ink);
        p.drawRect(QRectF(7, 18, 4, 2.5));
        p.drawRect(QRectF(13, 18, 4, 2.5));
        break;
    case SpeedGlyph::Help: {
        p.setPen(QPen(Blue.darker(120), 1.2));
        p.setBrush(QColor(225, 235, 255));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont font("Arial");
        font.setPixelSize(16);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Blue);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
        break;
    }
    case SpeedGlyph::Exit:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(QRectF(3, 2, 11, 20));
        p.setBrush(Paper);
        p.drawEllipse(QRectF(10.5, 11, 2, 2));
        arrow(p, QPointF(11, 12), QPointF(22, 12), Red);
        break;
    }
}

} // namespace

QIcon speedGlyphIcon(SpeedGlyph glyph)
{
    QPixmap picture(GlyphUnits * RenderScale, GlyphUnits * RenderScale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(RenderScale, RenderScale);
    draw(painter, glyph);
    painter.end();
    return QIcon(picture);
}

} // namespace gw::app
