#include "generate/ui/CandidatePicture.h"
#include "shapes/ui/ShapePicture.h"

#include <QtTest>
#include <cstring>
#include <memory>

using namespace gw;

namespace {

// A width x height grid of black squares (blank cells) in a zeroed record.
std::unique_ptr<model::PuzzleRecord> gridRecord(int width, int height)
{
    auto record = std::make_unique<model::PuzzleRecord>();
    record->width = static_cast<std::int16_t>(width);
    record->height = static_cast<std::int16_t>(height);
    std::memset(record->grid, model::BlankCell, sizeof record->grid);
    return record;
}

void setCell(model::PuzzleRecord &record, int column, int row, unsigned char byte)
{
    record.grid[shapes::cellIndex(column, row) - 1] = byte;
}

// The bounding box of the dark pixels inside a rectangle.
QRect darkPixels(const QImage &picture, const QRect &area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(picture.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class QtCandidatePictureTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A 15 x 15 grid: black squares, the letter inside its square, button face outside.
    void drawsSquaresLettersAndOutsideCells()
    {
        auto record = gridRecord(15, 15);
        setCell(*record, 2, 1, 'A');
        setCell(*record, 3, 1, model::OutsideCell);
        QImage picture = shapes::blankPicture(QSize(191, 191));
        generate::DrawAPuzzle(picture, *record, 1, QSize(15, 15));
        QCOMPARE(picture.pixelColor(0, 5), QColor(Qt::black)); // left line
        QCOMPARE(picture.pixelColor(27, 5), shapes::buttonFaceColour()); // not part of the shape
        QCOMPARE(picture.pixelColor(170, 100), shapes::buttonFaceColour()); // beyond the grid
        const QRect square(12, 1, 10, 10);
        const QRect letter = darkPixels(picture, square);
        QVERIFY(!letter.isEmpty());
        QVERIFY(square.contains(letter));
        QVERIFY(qAbs(letter.center().x() - square.center().x()) <= 2);
    }

    // A shrunk grid is drawn with its own size on a white area as large as the shape.
    void shrunkGridOnTheShapesWhiteArea()
    {
        auto record = gridRecord(10, 10);
        QImage picture = shapes::blankPicture(QSize(191, 191));
        generate::DrawAPuzzle(picture, *record, 3, QSize(15, 15));
        // Cells of 18 pixels: the lines end at 180, the white area runs past the picture's edge.
        QCOMPARE(picture.pixelColor(180, 50), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(186, 50), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(50, 186), QColor(Qt::white));
    }

    // Large squares get the largest letter size: 20 points at 96 dots per inch.
    void largeSquaresGetTwentyPointLetters()
    {
        auto record = gridRecord(5, 5);
        setCell(*record, 1, 1, 'W');
        QImage picture = shapes::blankPicture(QSize(411, 411));
        generate::DrawAPuzzle(picture, *record, 1, QSize(5, 5));
        const QRect letter = darkPixels(picture, QRect(1, 1, 80, 80));
        QVERIFY2(
            letter.height() >= 17 && letter.height() <= 22, qPrintable(QString::number(letter.height())));
    }

    // Empty slots and records of no size are plain button face; hostile sizes stay in bounds.
    void emptyAndHostileRecordsAreSafe()
    {
        auto record = gridRecord(15, 15);
        QImage picture = shapes::blankPicture(QSize(191, 191));
        picture.fill(Qt::green);
        generate::DrawAPuzzle(picture, *record, 0, QSize(15, 15));
        QCOMPARE(picture.pixelColor(5, 5), shapes::buttonFaceColour());
        QCOMPARE(picture.pixelColor(190, 190), shapes::buttonFaceColour());

        record->width = 0;
        generate::DrawAPuzzle(picture, *record, 4, QSize(15, 15));
        QCOMPARE(picture.pixelColor(5, 5), shapes::buttonFaceColour());

        record->width = 32767;
        record->height = -1;
        generate::DrawAPuzzle(picture, *record, 4, QSize(32767, -1));
        record->height = 32767;
        generate::DrawAPuzzle(picture, *record, 4, QSize(32767, 32767));
        QCOMPARE(generate::candidateCellSize(picture.size(), record->safeWidth(), record->safeHeight()), 2);
    }
};

QTEST_MAIN(QtCandidatePictureTest)
#include "tst_CandidatePicture.moc"
