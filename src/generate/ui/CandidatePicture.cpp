#include "generate/ui/CandidatePicture.h"

#include "render/TextConversion.h"
#include "shapes/ui/ShapePicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <string_view>

namespace gw::generate {

namespace {

constexpr int LargestLetterPoints = 20;
constexpr int SmallestLetterPoints = 5;
constexpr int FallbackLetterPoints = 4;

// The first size from 20 points down whose "W" is lower than a square.
QFont letterFont(const QPaintDevice &device, int cell)
{
    QFont font(QStringLiteral("Arial"));
    for (int points = LargestLetterPoints; points >= SmallestLetterPoints; --points) {
        font.setPointSize(points);
        if (QFontMetrics(font, &device).height() < cell)
            return font;
    }
    font.setPointSize(FallbackLetterPoints);
    return font;
}

const QColor Teal(0, 128, 128); // 0x808000

void fillCells(QPainter &painter, const model::PuzzleRecord &record, int cell, std::uint8_t byte,
    const QColor &colour, const std::function<bool(int cell)> &only = {})
{
    for (int r = 1; r <= record.safeHeight(); ++r) {
        for (int c = 1; c <= record.safeWidth(); ++c) {
            const int index = shapes::cellIndex(c, r);
            if (record.cell(index) == byte && (!only || only(index)))
                painter.fillRect(shapes::innerCellRect(c, r, cell), colour);
        }
    }
}

void writeLetters(QPainter &painter, const QPaintDevice &device, const model::PuzzleRecord &record, int cell)
{
    painter.setFont(letterFont(device, cell));
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    for (int r = 1; r <= record.safeHeight(); ++r) {
        for (int c = 1; c <= record.safeWidth(); ++c) {
            const std::uint8_t byte = record.cell(shapes::cellIndex(c, r));
            if (byte == model::OutsideCell || byte == model::BlankCell)
                continue;
            const char letter = static_cast<char>(byte);
            const QString text = toQString(std::string_view(&letter, 1));
            const QRect square = shapes::innerCellRect(c, r, cell);
            const int x = square.left() + (square.width() - metrics.horizontalAdvance(text)) / 2;
            const int y = square.top() + (square.height() - metrics.height()) / 2;
            painter.drawText(x, y + metrics.ascent(), text);
        }
    }
}

} // namespace

int candidateCellSize(QSize picture, int width, int height)
{
    return std::max(0, shapes::fittingCellSize(picture, width, height) - 1);
}

void DrawAPuzzle(QImage &picture, const model::PuzzleRecord &record, int wordsPlaced, QSize shapeSize,
    const std::function<bool(int cell)> &teal)
{
    picture.fill(shapes::buttonFaceColour());
    const int cell = candidateCellSize(picture.size(), record.safeWidth(), record.safeHeight());
    if (wordsPlaced <= 0 || cell <= 0)
        return;
    const QSize storage(shapes::GridSide, shapes::GridSide);
    QPainter painter(&picture);
    shapes::paintGridGround(painter, picture.size(), cell,
        shapeSize.boundedTo(storage).expandedTo(QSize(0, 0)), QSize(record.safeWidth(), record.safeHeight()));
    fillCells(painter, record, cell, model::OutsideCell, shapes::buttonFaceColour());
    fillCells(painter, record, cell, model::BlankCell, Qt::black);
    if (teal)
        fillCells(painter, record, cell, model::BlankCell, Teal, teal);
    writeLetters(painter, picture, record, cell);
}

} // namespace gw::generate
